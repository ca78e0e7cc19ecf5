// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <string_view>

// HTML and CSS both count only these as blanks and fold only A to Z, so
// "\u00a0red" or a Kelvin sign never turns into a keyword.

inline bool isAsciiBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// `lower` is written in lower case.
inline bool isAsciiKeyword(QStringView text, std::u16string_view lower)
{
    if (text.size() != static_cast<qsizetype>(lower.size()))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (asciiLower(text[i].unicode()) != lower[static_cast<std::size_t>(i)])
            return false;
    }
    return true;
}

inline QStringView trimmedAsciiBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isAsciiBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isAsciiBlank(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin);
}
