// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file's rule for integers (and booleans, which are integers
// that are not 0) against a plain reference: "0x" or "0X" before more text
// reads as "$"; blanks are skipped; then a sign and decimal digits within 32
// bits, or "$" and one to eight hexadecimal digits, running to the end.
// Anything else is no number, and the key's default is used.
//
// Input: any bytes, read as Latin-1 the way the settings file is read.

#include "Check.h"
#include "core/IniFile.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace {

std::optional<int> reference(const QString& text)
{
    std::string s;
    for (QChar c : text)
        s += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01';

    if (s.size() > 2 && (s.starts_with("0x") || s.starts_with("0X")))
        s = "$" + s.substr(2);
    const std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos)
        return std::nullopt;

    if (s[i] == '$') {
        const std::string digits = s.substr(i + 1);
        if (digits.empty() || digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), ::isxdigit))
            return std::nullopt;
        std::uint32_t pattern = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), pattern, 16);
        return static_cast<int>(pattern);
    }
    const bool signed_ = s[i] == '+' || s[i] == '-';
    const std::string digits = s.substr(signed_ ? i + 1 : i);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), ::isdigit))
        return std::nullopt;
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const std::int64_t value = s[i] == '-' ? -magnitude : magnitude;
    if (error != std::errc() || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = latin1(data, size);
    require(iniInteger(text) == reference(text), "the stored integer reads as the reference reads it");
    return 0;
}
