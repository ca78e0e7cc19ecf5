// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TypedValue.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using namespace typed;

TEST(TypedValue, HexLevelIsOneOrTwoDigitsInEitherCase)
{
    const struct {
        const char* text;
        std::optional<int> level;
    } cases[] = {
        {"0", 0},
        {"F", 15},
        {"7f", 127},
        {"FF", 255},
        {"00", 0},
        {"", std::nullopt},
        {"100", std::nullopt},
        {"G", std::nullopt},
        {"#F", std::nullopt},
        {"-1", std::nullopt},
        {" F", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hexLevel(QString::fromLatin1(c.text)), c.level) << c.text;
    // Full-width and Arabic-Indic digits are digits to Unicode, not to us.
    EXPECT_EQ(hexLevel(QStringLiteral("\uFF11")), std::nullopt);
    EXPECT_EQ(hexLevel(QStringLiteral("\u0661")), std::nullopt);
}

TEST(TypedValue, DecimalLevelStopsAt255)
{
    const struct {
        const char* text;
        std::optional<int> level;
    } cases[] = {
        {"0", 0},
        {"7", 7},
        {"007", 7},
        {"255", 255},
        {"256", std::nullopt},
        {"999", std::nullopt},
        {"0255", std::nullopt},
        {"", std::nullopt},
        {"+1", std::nullopt},
        {"1e2", std::nullopt},
        {"FF", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalLevel(QString::fromLatin1(c.text)), c.level) << c.text;
    EXPECT_EQ(decimalLevel(QStringLiteral("\u0661\u0662")), std::nullopt);
}

TEST(TypedValue, WholeColourInItsThreeSpellings)
{
    const struct {
        const char* text;
        std::optional<QString> color;
    } cases[] = {
        {"#336699", QStringLiteral("336699")},
        {"336699", QStringLiteral("336699")},
        {"#aaff7f", QStringLiteral("AAFF7F")},
        {"#369", QStringLiteral("336699")},
        {"#fA0", QStringLiteral("FFAA00")},
        {"369", std::nullopt},
        {"#3366", std::nullopt},
        {"#3366990", std::nullopt},
        {"##336699", std::nullopt},
        {"33669G", std::nullopt},
        {"#", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wholeColor(QString::fromLatin1(c.text)), c.color) << c.text;
}

TEST(TypedValue, HexEntryPrefixIsAHashAndUpToSixDigits)
{
    for (const char* text : {"", "#", "3", "#33", "3366", "33669", "#336699", "abcdef"})
        EXPECT_TRUE(hexEntryPrefix(QString::fromLatin1(text))) << text;
    for (const char* text : {"g", "#g", "3366990", "##", "3#", "33 66", "-1"})
        EXPECT_FALSE(hexEntryPrefix(QString::fromLatin1(text))) << text;
}

} // namespace
