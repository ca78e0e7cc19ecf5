// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken promise stops the run, so libFuzzer keeps the input as a crash.
inline void require(bool promise, const char* what)
{
    if (promise)
        return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// Every byte one character, as the program reads its files.
inline QString latin1(const std::uint8_t* data, std::size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Every two bytes one UTF-16 code unit, low byte first, lone surrogates and
// all, as a clipboard may hold them.
inline QString utf16(const std::uint8_t* data, std::size_t size)
{
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8));
    return text;
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
