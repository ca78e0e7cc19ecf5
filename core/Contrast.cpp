// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double linear(int level)
{
    const double c = level / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(TColor color)
{
    return 0.2126 * linear(redOf(color)) + 0.7152 * linear(greenOf(color)) + 0.0722 * linear(blueOf(color));
}

double ratio(TColor a, TColor b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString ratioText(double ratio)
{
    return QString::number(std::floor(ratio * 100.0) / 100.0, 'f', 2);
}

} // namespace contrast
