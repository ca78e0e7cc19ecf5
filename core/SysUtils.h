// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Upper-case hexadecimal, padded with "0" on the left to at least `digits`.
QString IntToHex(unsigned value, int digits);
QString IntToStr(int value);

// 0 to 15 for a hexadecimal digit of either case, -1 for anything else.
int hexDigitValue(QChar c);

// Decimal with optional blanks and sign, or "$" followed by hexadecimal
// digits; anything else raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const QString& text);
