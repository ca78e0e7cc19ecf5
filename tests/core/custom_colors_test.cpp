// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CustomColors.h"
#include "core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

QStringList entries(int from, const char* value)
{
    QStringList lines;
    for (int box = from; box < customColorCount; ++box)
        lines << customColorName(box) + u'=' + QLatin1String(value);
    return lines;
}

TEST(CustomColorList, StartupLinesNameNoEntryAndStayAtTheHead)
{
    TStringList list{QStringLiteral("$FFFFFF"), QStringLiteral("$FF00FF"), QStringLiteral("$00FF00")};
    const CustomColorBoxes boxes = boxesFromList(list);
    for (TColor box : boxes)
        EXPECT_EQ(box, -1);
    rewriteList(list, boxes);
    const QStringList expected =
        QStringList{QStringLiteral("$FFFFFF"), QStringLiteral("$FF00FF"), QStringLiteral("$00FF00")}
        + entries(0, "FFFFFFFF");
    EXPECT_EQ(list.lines(), expected);
}

TEST(CustomColorList, EntriesAreReadAndRewrittenInPlace)
{
    const struct {
        const char* name;
        QStringList lines;
        TColor firstBox;
        QStringList rewritten; // with box 1 left as read
    } cases[] = {
        {"lower-case name and short value", {"colora=ff"}, 255, QStringList{"ColorA=0000FF"} + entries(1, "FFFFFFFF")},
        {"empty value counts as missing and is filled in at its place", {"x", "ColorA=", "y"}, -1,
            QStringList{"x", "ColorA=FFFFFFFF", "y"} + entries(1, "FFFFFFFF")},
        {"only the first of two lines is used", {"ColorA=000001", "COLORA=000002"}, 1,
            QStringList{"ColorA=000001", "COLORA=000002"} + entries(1, "FFFFFFFF")},
        {"eight digits are a 32-bit pattern", {"ColorA=FFFFFFFF"}, -1,
            QStringList{"ColorA=FFFFFFFF"} + entries(1, "FFFFFFFF")},
        {"other names and lines without = ride along", {"ColorQ=12", "Color", "=5", "ColorA=a0b0c0"}, 0xA0B0C0,
            QStringList{"ColorQ=12", "Color", "=5", "ColorA=A0B0C0"} + entries(1, "FFFFFFFF")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        for (const QString& line : c.lines)
            list.add(line);
        CustomColorBoxes boxes = boxesFromList(list);
        EXPECT_EQ(boxes[0], c.firstBox);
        rewriteList(list, boxes);
        EXPECT_EQ(list.lines(), c.rewritten);
    }
}

TEST(CustomColorList, LaterBoxesKeepTheirOrderAndUpperCaseNames)
{
    TStringList list{QStringLiteral("colorp=1"), QStringLiteral("ColorC=00FF00")};
    CustomColorBoxes boxes = boxesFromList(list);
    EXPECT_EQ(boxes[15], 1);
    EXPECT_EQ(boxes[2], 0x00FF00);
    boxes[15] = 0x123456;
    rewriteList(list, boxes);
    ASSERT_EQ(list.count(), 16);
    EXPECT_EQ(list[0], QStringLiteral("ColorP=123456"));
    EXPECT_EQ(list[1], QStringLiteral("ColorC=00FF00"));
    EXPECT_EQ(list[2], QStringLiteral("ColorA=FFFFFFFF"));
    EXPECT_EQ(list[3], QStringLiteral("ColorB=FFFFFFFF"));
    EXPECT_EQ(list[4], QStringLiteral("ColorD=FFFFFFFF"));
}

TEST(CustomColorList, ValueThatIsNotOneToEightHexDigitsStopsTheFilling)
{
    for (const char* value : {"XYZ", " FFFFFF", "123456789", "-1", "+1", "FF FF", "0x12"}) {
        SCOPED_TRACE(value);
        TStringList list{QStringLiteral("ColorA=") + QLatin1String(value)};
        try {
            boxesFromList(list);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'$%1' is not a valid integer value").arg(QLatin1String(value)));
        }
    }
}

} // namespace
