// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// StrToInt, the platform's string-to-integer conversion, against a plain
// reference: blanks, an optional sign, then decimal digits within 32 bits or
// "$" and one to eight hexadecimal digits, and nothing after them. Anything
// else raises EConvertError naming the text.
//
// Input: any bytes, read as UTF-8 the way clipboard text arrives.

#include "Check.h"
#include "core/Exceptions.h"
#include "core/SysUtils.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace {

std::optional<int> reference(const QString& text)
{
    // Only ASCII has meaning here; anything else becomes a character that
    // is never part of a number.
    std::string s;
    for (QChar c : text)
        s += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01';

    std::size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-')
        negative = s[i++] == '-';
    const bool hex = i < s.size() && s[i] == '$';
    const std::string digits = s.substr(hex ? i + 1 : i);
    const auto isDigit = [hex](unsigned char c) { return hex ? std::isxdigit(c) : std::isdigit(c); };
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;

    if (hex) {
        if (digits.size() > 8)
            return std::nullopt;
        std::uint32_t value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        return static_cast<int>(negative ? 0u - value : value);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (error != std::errc() || magnitude > 2147483648u || (!negative && magnitude == 2147483648u))
        return std::nullopt;
    return static_cast<int>(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytes(data, size));
    const std::optional<int> expected = reference(text);
    try {
        const int value = StrToInt(text);
        require(expected.has_value(), "only a number converts");
        require(value == *expected, "the number has the reference's value");
    } catch (const EConvertError& error) {
        require(!expected.has_value(), "every number converts");
        require(error.message() == u'\'' + text + QStringLiteral("' is not a valid integer value"),
            "the error names the text");
    }
    return 0;
}
