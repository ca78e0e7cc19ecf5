// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QString>

// The notations a colour travels in between the controls:
//   colour value       TColor 0x00BBGGRR
//   colour value text  "BBGGRR"
//   scheme value       "RRGGBB", as the summary labels, the settings file and
//                      the scheme text hold it
//   channel level      0 to 255, a scroll bar's position: redOf, greenOf,
//                      blueOf and rgbColor (core/Color.h)
namespace notation {

// Six upper-case hexadecimal digits, BBGGRR; a larger value keeps all its digits.
QString colorValueText(TColor color);
// Characters 5, 6, 3, 4, 1, 2: BBGGRR to RRGGBB and back. A shorter text
// just lacks the characters it does not have.
QString swapPairs(const QString& text);
QString schemeValue(TColor color);
// "$" and the swapped digits through StrToInt, either case accepted; raises
// EConvertError when the text is not hexadecimal.
TColor colorValue(const QString& schemeValue);

QString hexBoxText(int level);
QString decimalBoxText(int level);
QString workingColor(const QString& redHex, const QString& greenHex, const QString& blueHex);

struct HexBoxes {
    QString red, green, blue;
};
HexBoxes hexBoxes(const QString& schemeValue);

} // namespace notation
