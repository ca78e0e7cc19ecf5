// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LegacyColor.h"

#include "core/AsciiText.h"
#include "core/CssColor.h"

#include <QString>

#include <array>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// A value is cut to this many characters before its digits are read, so a
// megabyte clipboard value costs no more than a short one.
constexpr qsizetype longestInput = 128;

int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// "#rgb" means each digit doubled, which the general reading below would
// get wrong ("#fff" would give 0F0F0F).
std::optional<TColor> shortHexColor(QStringView input)
{
    if (input.size() != 4 || input[0] != u'#')
        return std::nullopt;
    std::array<int, 3> levels{};
    for (int i = 0; i < 3; ++i) {
        const int digit = hexDigitValue(input[i + 1].unicode());
        if (digit < 0)
            return std::nullopt;
        levels[static_cast<std::size_t>(i)] = digit * 17;
    }
    return rgbColor(levels[0], levels[1], levels[2]);
}

// The first 128 characters once each character beyond U+FFFF counts as the
// two digits "00", without a leading "#", every other character that is no
// hex digit made "0", padded with "0" to a non-zero multiple of three.
QString hexDigits(QStringView input)
{
    QString digits;
    digits.reserve(longestInput + 2);
    for (qsizetype i = 0; i < input.size() && digits.size() < longestInput; ++i) {
        const char16_t c = input[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < input.size() && QChar::isLowSurrogate(input[i + 1].unicode())) {
            digits += QStringLiteral("00");
            ++i;
        } else {
            digits += QChar(c);
        }
    }
    digits.truncate(longestInput);
    if (digits.startsWith(u'#'))
        digits.remove(0, 1);
    for (QChar& c : digits) {
        if (hexDigitValue(c.unicode()) < 0)
            c = u'0';
    }
    while (digits.isEmpty() || digits.size() % 3 != 0)
        digits += u'0';
    return digits;
}

int hexNumber(QStringView digits)
{
    int number = 0;
    for (QChar c : digits)
        number = number * 16 + hexDigitValue(c.unicode());
    return number;
}

} // namespace

std::optional<TColor> parseLegacyColor(QStringView value)
{
    // Only the truly empty value is refused: blanks alone make black.
    if (value.isEmpty())
        return std::nullopt;
    // A no-break space at either end stays, and reads as a "0" digit.
    const QStringView input = trimmedAsciiBlanks(value);
    if (isAsciiKeyword(input, u"transparent"sv))
        return std::nullopt;
    if (const auto named = namedCssColor(input))
        return named;
    if (const auto shortHex = shortHexColor(input))
        return shortHex;

    const QString digits = hexDigits(input);
    qsizetype length = digits.size() / 3;
    std::array<QStringView, 3> parts = {QStringView(digits).sliced(0, length),
        QStringView(digits).sliced(length, length), QStringView(digits).sliced(2 * length, length)};
    // Long values keep the last eight digits of each third, then lose the
    // zeros all three thirds start with, then keep two digits each.
    if (length > 8) {
        for (QStringView& part : parts)
            part = part.last(8);
        length = 8;
    }
    while (length > 2 && parts[0][0] == u'0' && parts[1][0] == u'0' && parts[2][0] == u'0') {
        for (QStringView& part : parts)
            part = part.sliced(1);
        --length;
    }
    if (length > 2) {
        for (QStringView& part : parts)
            part = part.first(2);
    }
    return rgbColor(hexNumber(parts[0]), hexNumber(parts[1]), hexNumber(parts[2]));
}
