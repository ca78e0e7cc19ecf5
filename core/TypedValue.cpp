// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TypedValue.h"

namespace typed {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool allHex(QStringView text)
{
    for (QChar c : text) {
        if (hexDigit(c) < 0)
            return false;
    }
    return true;
}

} // namespace

std::optional<int> hexLevel(const QString& text)
{
    if (text.isEmpty() || text.size() > 2 || !allHex(text))
        return std::nullopt;
    int level = 0;
    for (QChar c : text)
        level = level * 16 + hexDigit(c);
    return level;
}

std::optional<int> decimalLevel(const QString& text)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    int level = 0;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        level = level * 10 + (c.unicode() - u'0');
    }
    if (level > 255)
        return std::nullopt;
    return level;
}

std::optional<QString> wholeColor(const QString& text)
{
    const bool hash = text.startsWith(u'#');
    const QStringView digits = QStringView(text).mid(hash ? 1 : 0);
    if (!allHex(digits))
        return std::nullopt;
    if (digits.size() == 6)
        return digits.toString().toUpper();
    if (hash && digits.size() == 3) {
        QString doubled;
        for (QChar c : digits)
            doubled += QString(2, c);
        return doubled.toUpper();
    }
    return std::nullopt;
}

bool hexEntryPrefix(const QString& text)
{
    const QStringView digits = QStringView(text).mid(text.startsWith(u'#') ? 1 : 0);
    return digits.size() <= 6 && allHex(digits);
}

} // namespace typed
