// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ColorNotation.h"
#include "core/Exceptions.h"

#include <gtest/gtest.h>

using namespace notation;

namespace {

struct Levels {
    int red, green, blue;
    TColor color;
    const char* colorText;
    const char* scheme;
    const char* hex[3];
    const char* dec[3];
};

const Levels levelCases[] = {
    {255, 128, 0, 0x000080FF, "0080FF", "FF8000", {"FF", "80", "00"}, {"255", "128", "0"}},
    {1, 2, 3, 0x00030201, "030201", "010203", {"01", "02", "03"}, {"1", "2", "3"}},
    {0, 0, 0, 0x00000000, "000000", "000000", {"00", "00", "00"}, {"0", "0", "0"}},
    {255, 255, 255, 0x00FFFFFF, "FFFFFF", "FFFFFF", {"FF", "FF", "FF"}, {"255", "255", "255"}},
};

} // namespace

TEST(ColorNotation, LevelsConvertThroughEveryNotation)
{
    for (const Levels& c : levelCases) {
        SCOPED_TRACE(c.scheme);
        const TColor color = rgbColor(c.red, c.green, c.blue);
        EXPECT_EQ(color, c.color);
        EXPECT_EQ(colorValueText(color), QLatin1String(c.colorText));
        EXPECT_EQ(schemeValue(color), QLatin1String(c.scheme));
        EXPECT_EQ(colorValue(QLatin1String(c.scheme)), c.color);
        EXPECT_EQ(redOf(color), c.red);
        EXPECT_EQ(greenOf(color), c.green);
        EXPECT_EQ(blueOf(color), c.blue);

        const int levels[] = {c.red, c.green, c.blue};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(hexBoxText(levels[i]), QLatin1String(c.hex[i]));
            EXPECT_EQ(decimalBoxText(levels[i]), QLatin1String(c.dec[i]));
        }
        const HexBoxes boxes = hexBoxes(QLatin1String(c.scheme));
        EXPECT_EQ(boxes.red, QLatin1String(c.hex[0]));
        EXPECT_EQ(boxes.green, QLatin1String(c.hex[1]));
        EXPECT_EQ(boxes.blue, QLatin1String(c.hex[2]));
        EXPECT_EQ(workingColor(boxes.red, boxes.green, boxes.blue), QLatin1String(c.scheme));
    }
}

TEST(ColorNotation, DesignColoursGiveTheDefaultSchemeValues)
{
    EXPECT_EQ(schemeValue(clTeal), QStringLiteral("008080"));
    EXPECT_EQ(schemeValue(clAqua), QStringLiteral("00FFFF"));
    EXPECT_EQ(schemeValue(clBlack), QStringLiteral("000000"));
    EXPECT_EQ(schemeValue(clWhite), QStringLiteral("FFFFFF"));
}

TEST(ColorNotation, LowerCaseSchemeValueReadsLikeUpperCaseAndComesBackUpper)
{
    const TColor lower = colorValue(QStringLiteral("a0b1c2"));
    EXPECT_EQ(lower, colorValue(QStringLiteral("A0B1C2")));
    EXPECT_EQ(lower, 0x00C2B1A0);
    EXPECT_EQ(schemeValue(lower), QStringLiteral("A0B1C2"));
}

TEST(ColorNotation, PairSwapIsItsOwnInverse)
{
    for (const char* text : {"0080FF", "123456", "abcdef", "000000"}) {
        const QString original = QLatin1String(text);
        EXPECT_EQ(swapPairs(original), original.mid(4, 2) + original.mid(2, 2) + original.mid(0, 2));
        EXPECT_EQ(swapPairs(swapPairs(original)), original);
    }
}

TEST(ColorNotation, ShortTextSwapsWithoutReadingPastItsEnd)
{
    EXPECT_EQ(swapPairs(QStringLiteral("ABCD")), QStringLiteral("CDAB"));
    EXPECT_EQ(swapPairs(QStringLiteral("A")), QStringLiteral("A"));
    EXPECT_EQ(swapPairs(QString()), QString());
}

TEST(ColorNotation, SchemeValueThatIsNotHexRaisesConvertError)
{
    EXPECT_THROW(colorValue(QStringLiteral("00GG00")), EConvertError);
    EXPECT_THROW(colorValue(QStringLiteral("")), EConvertError);
    try {
        colorValue(QStringLiteral("12345Z"));
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'$5Z3412' is not a valid integer value"));
    }
}
