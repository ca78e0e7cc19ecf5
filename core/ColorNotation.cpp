// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ColorNotation.h"

#include "core/SysUtils.h"

namespace notation {

QString colorValueText(TColor color)
{
    return IntToHex(static_cast<unsigned>(color), 6);
}

QString swapPairs(const QString& text)
{
    return text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
}

QString schemeValue(TColor color)
{
    return swapPairs(colorValueText(color));
}

TColor colorValue(const QString& schemeValue)
{
    return StrToInt(u'$' + swapPairs(schemeValue));
}

QString hexBoxText(int level)
{
    return IntToHex(static_cast<unsigned>(level), 2);
}

QString decimalBoxText(int level)
{
    return IntToStr(level);
}

QString workingColor(const QString& redHex, const QString& greenHex, const QString& blueHex)
{
    return redHex + greenHex + blueHex;
}

HexBoxes hexBoxes(const QString& schemeValue)
{
    return {schemeValue.mid(0, 2), schemeValue.mid(2, 2), schemeValue.mid(4, 2)};
}

} // namespace notation
