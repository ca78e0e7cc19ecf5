#pragma once

#include <QString>

// Upper-case hexadecimal, padded with "0" on the left to at least `digits`.
QString IntToHex(unsigned value, int digits);
QString IntToStr(int value);

// Decimal with optional blanks and sign, or "$" followed by hexadecimal
// digits; anything else raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const QString& text);
