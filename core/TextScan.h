// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <algorithm>
#include <array>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Clipboards of 16 MiB must read in milliseconds, so these searches test
// eight characters at a time where the processor can, and the character
// they start at first, since in dense text the next hit is often there.

template <char16_t... Units> struct UnitSet {
    static_assert(((Units < 128) && ...), "the units are looked up in an ASCII table");
    static constexpr std::array<bool, 128> table = [] {
        std::array<bool, 128> units{};
        ((units[Units] = true), ...);
        return units;
    }();
    static bool contains(char16_t c) { return c < 128 && table[c]; }
};

// The part of findAnyOf below for long runs, kept out of line.
template <char16_t... Units> qsizetype findAnyOfFar(const char16_t* data, qsizetype from, qsizetype size)
{
#if defined(__SSE2__)
    for (; from + 8 <= size; from += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        const __m128i equal = (_mm_cmpeq_epi16(chunk, _mm_set1_epi16(static_cast<short>(Units))) | ...);
        if (const int mask = _mm_movemask_epi8(equal))
            return from + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    }
#endif
    for (; from < size; ++from) {
        if (UnitSet<Units...>::contains(data[from]))
            return from;
    }
    return size;
}

// The first position at or after `from` that holds one of `Units`, or the
// text's size.
template <char16_t... Units> Q_ALWAYS_INLINE qsizetype findAnyOf(QStringView text, qsizetype from)
{
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    for (const qsizetype near = std::min(size, from + 8); from < near; ++from) {
        if (UnitSet<Units...>::contains(data[from]))
            return from;
    }
    return findAnyOfFar<Units...>(data, from, size);
}

// The first position at or after `from` where one of the pairs of
// characters first[i], second[i] starts, or the text's size.
template <std::size_t N>
qsizetype findAnyPair(
    QStringView text, qsizetype from, const std::array<char16_t, N>& first, const std::array<char16_t, N>& second)
{
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    const auto isPair = [&](qsizetype at) {
        for (std::size_t i = 0; i < N; ++i) {
            if (data[at] == first[i] && data[at + 1] == second[i])
                return true;
        }
        return false;
    };
    if (from + 1 < size && isPair(from))
        return from;
#if defined(__SSE2__)
    __m128i wantedFirst[N];
    __m128i wantedSecond[N];
    for (std::size_t i = 0; i < N; ++i) {
        wantedFirst[i] = _mm_set1_epi16(static_cast<short>(first[i]));
        wantedSecond[i] = _mm_set1_epi16(static_cast<short>(second[i]));
    }
    for (; from + 9 <= size; from += 8) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from + 1));
        __m128i equal = _mm_setzero_si128();
        for (std::size_t i = 0; i < N; ++i) {
            equal = _mm_or_si128(
                equal, _mm_and_si128(_mm_cmpeq_epi16(here, wantedFirst[i]), _mm_cmpeq_epi16(next, wantedSecond[i])));
        }
        if (const int mask = _mm_movemask_epi8(equal))
            return from + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    }
#endif
    for (; from + 1 < size; ++from) {
        if (isPair(from))
            return from;
    }
    return size;
}
