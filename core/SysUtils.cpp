// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SysUtils.h"

#include "core/Exceptions.h"

#include <limits>

QString IntToHex(unsigned value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QString IntToStr(int value)
{
    return QString::number(value);
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

namespace {

[[noreturn]] void notAnInteger(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

int StrToInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i < text.size() && text[i] == u'$') {
        ++i;
        const qsizetype first = i;
        std::uint32_t value = 0;
        for (; i < text.size(); ++i) {
            const int d = hexDigitValue(text[i]);
            // More than eight digits would not fit the 32-bit integer.
            if (d < 0 || i - first >= 8)
                notAnInteger(text);
            value = value * 16 + static_cast<std::uint32_t>(d);
        }
        if (i == first)
            notAnInteger(text);
        if (negative)
            value = 0u - value;
        return static_cast<int>(value);
    }
    const qsizetype first = i;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9')
            notAnInteger(text);
        value = value * 10 + (u - u'0');
        if (value > std::int64_t(std::numeric_limits<int>::max()) + 1)
            notAnInteger(text);
    }
    if (i == first)
        notAnInteger(text);
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        notAnInteger(text);
    return static_cast<int>(value);
}
