// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SchemeText.h"

#include <gtest/gtest.h>

namespace {

using Values = std::array<const char*, 4>; // nullptr: skipped

std::array<std::optional<QString>, 4> readValues(const QString& text)
{
    const SchemeValueOffsets found = findSchemeValues(text);
    std::array<std::optional<QString>, 4> values;
    for (int i = 0; i < 4; ++i) {
        if (found[i]) {
            EXPECT_GE(*found[i], 0);
            EXPECT_LE(*found[i] + 6, text.size()) << "a value reaches past the end of the text";
            values[i] = text.mid(*found[i], 6);
        }
    }
    return values;
}

TEST(SchemeTextWriter, DefaultSchemeIsTheSixtyThreeCharacterText)
{
    const QString text = schemeText({"000000", "FFFFFF", "008080", "00FFFF"});
    EXPECT_EQ(text, QStringLiteral(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")"));
    EXPECT_EQ(text.size(), 63);
    EXPECT_EQ(attributeText(SchemeSlot::TEXT, "FFFFFF"), QStringLiteral(R"(TEXT="#FFFFFF")"));
    EXPECT_EQ(attributeText(SchemeSlot::VLINK, "12 45G"), QStringLiteral(R"(VLINK="#12 45G")"));
}

TEST(SchemeTextReader, FindsEachAttributesOwnValue)
{
    const struct {
        const char* text;
        Values expected;
    } cases[] = {
        {R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")",
            {"000000", "FFFFFF", "008080", "00FFFF"}},
        {"BGCOLOR#000000TEXT#FFFFFFLINK#008080VLINK#00FFFF", {"000000", "FFFFFF", "008080", "00FFFF"}},
        {R"(BGCOLOR="#FF00FF")", {"FF00FF", nullptr, nullptr, nullptr}},
        // A longer name holding a keyword never takes the keyword's value.
        {R"(VLINK="#800080" LINK="#0000FF")", {nullptr, nullptr, "0000FF", "800080"}},
        {R"(ALINK="#FF0000" LINK="#0000FF")", {nullptr, nullptr, "0000FF", nullptr}},
        {R"(BACKGROUND="TEXTURE.GIF" BGCOLOR="#FFFFFF" TEXT="#000000")", {"FFFFFF", "000000", nullptr, nullptr}},
        {R"(DATA-TEXT="#111111" TEXT="#222222")", {nullptr, "222222", nullptr, nullptr}},
        {R"(VLINK="#0000FF")", {nullptr, nullptr, nullptr, "0000FF"}},
        // An own value without "#" skips the attribute instead of taking the next one's.
        {R"(BGCOLOR=WHITE TEXT="#000000")", {nullptr, "000000", nullptr, nullptr}},
        {R"(<BODY BGCOLOR = "#ABCDEF" TEXT='#123456' LINK=#654321>)", {"ABCDEF", "123456", "654321", nullptr}},
        {"BGCOLOR=#FFFFFF", {"FFFFFF", nullptr, nullptr, nullptr}},
        {R"(BGCOLOR="#1234567")", {"123456", nullptr, nullptr, nullptr}},
        {R"(BGCOLOR="#12345G" TEXT="#00FF00")", {"12345G", "00FF00", nullptr, nullptr}},
        // Start-up text with a short stored value reads on into the next keyword.
        {"BGCOLOR#FFFTEXT#FFFFFFLINK#008080VLINK#00FFFF", {"FFFTEX", "FFFFFF", "008080", "00FFFF"}},
        {"BGCOLOR#abcdefTEXT#FFFFFFLINK#008080VLINK#00ffff", {"abcdef", "FFFFFF", "008080", "00ffff"}},
        // Fewer than six characters before the end: skipped, nothing read past it.
        {"BGCOLOR#000000TEXT#FFFFFFLINK#008080VLINK#0FF", {"000000", "FFFFFF", "008080", nullptr}},
        {R"(BGCOLOR="#FFF)", {nullptr, nullptr, nullptr, nullptr}},
        {"TEXT#", {nullptr, nullptr, nullptr, nullptr}},
        // A keyword with no "#" after it at all is skipped.
        {"BGCOLOR TEXT LINK", {nullptr, nullptr, nullptr, nullptr}},
        {"", {nullptr, nullptr, nullptr, nullptr}},
        {"bgcolor#ffffff", {nullptr, nullptr, nullptr, nullptr}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto values = readValues(QString::fromLatin1(c.text));
        for (int i = 0; i < 4; ++i) {
            if (c.expected[i])
                EXPECT_EQ(values[i], QString::fromLatin1(c.expected[i])) << "attribute " << i;
            else
                EXPECT_FALSE(values[i].has_value()) << "attribute " << i << " read " << values[i]->toStdString();
        }
    }
}

TEST(SchemeTextReader, UpperCasesOnlyTheAsciiLetters)
{
    EXPECT_EQ(upperCaseAscii(QStringLiteral("bgcolor=\"#ff00ff\" \u00e9\u00df z")),
        QStringLiteral("BGCOLOR=\"#FF00FF\" \u00e9\u00df Z"));
}

} // namespace
