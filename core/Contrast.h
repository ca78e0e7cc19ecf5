// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QString>

// Contrast as WCAG 2.2 defines it, from the colour values the preview shows.
namespace contrast {

inline constexpr double normalTextAA = 4.5;
inline constexpr double normalTextAAA = 7.0;
// Links that are not underlined can be told from the text around them.
inline constexpr double linkFromText = 3.0;

// sRGB relative luminance, 0 for black to 1 for white.
double relativeLuminance(TColor color);
// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 to 21, either order.
double ratio(TColor a, TColor b);
// Two decimals rounded down, so a failing pair never reads as passing.
QString ratioText(double ratio);

} // namespace contrast
