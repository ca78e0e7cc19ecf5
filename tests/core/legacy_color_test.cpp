// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LegacyColor.h"

#include "support/ColorCases.h"

namespace {

// The values python3-webcolors reads as browsers do, made by
// tests/data/make_legacy_colors.py.
TEST(LegacyColor, ReadsEachValueAsWebcolorsDoes)
{
    const std::vector<ColorCase> cases = readColorCases(QStringLiteral("legacy_colors.txt"));
    ASSERT_GT(cases.size(), 200u);
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << ": \"" << escaped(c.value) << '"');
        EXPECT_EQ(colorHex(parseLegacyColor(c.value)), c.expected);
    }
}

// Where webcolors 1.11 reads a value otherwise than browsers do.
TEST(LegacyColor, StripsAsciiBlanksAndFoldsAsciiCaseOnly)
{
    const struct {
        const char16_t* value;
        const char* expected;
    } cases[] = {
        {u"rebeccapurple", "663399"},
        {u" RebeccaPurple\t", "663399"},
        // A no-break space is not stripped: it is one more "0" digit.
        {u"\u00a0red", "00ED00"},
        {u"red\u00a0", "0ED000"},
        // The Kelvin sign is no "k", so this is no "black".
        {u"blac\u212a", "B0AC00"},
    };
    for (const auto& c : cases) {
        const QString value = QString::fromUtf16(c.value);
        SCOPED_TRACE(escaped(value));
        EXPECT_EQ(colorHex(parseLegacyColor(value)), QString::fromLatin1(c.expected));
    }
}

TEST(LegacyColor, ReadsAHugeValueAsItsFirst128Characters)
{
    QString value = QStringLiteral("#");
    for (int i = 0; value.size() < 1'000'000; ++i)
        value += QChar(u"0123456789abcdef"[(i * 7) % 16]);
    const auto whole = parseLegacyColor(value);
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(colorHex(whole), colorHex(parseLegacyColor(value.left(128))));
    EXPECT_NE(colorHex(whole), colorHex(parseLegacyColor(value.left(127))));
}

} // namespace
