// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Exceptions.h"
#include "core/SysUtils.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalAndDollarHex)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},
        {"255", 255},
        {"  42", 42},
        {"+7", 7},
        {"-5", -5},
        {"$FF", 255},
        {"$ff", 255},
        {"$080CF0", 527600},
        {"$00FFFF00", 0xFFFF00},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrToInt, RejectsWhatIsNotAnInteger)
{
    for (const char* text :
        {"", " ", "-", "$", "12 ", "1e3", "abc", "$G1", "$123456789", "2147483648", "-2147483649", "0x10", "12-"}) {
        try {
            StrToInt(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(text)));
        }
    }
}

TEST(IntToHex, PadsToTheDigitsButKeepsLargerValuesWhole)
{
    EXPECT_EQ(IntToHex(0x80FF, 6), QStringLiteral("0080FF"));
    EXPECT_EQ(IntToHex(0, 2), QStringLiteral("00"));
    EXPECT_EQ(IntToHex(0xab, 2), QStringLiteral("AB"));
    EXPECT_EQ(IntToHex(0x1000000, 6), QStringLiteral("1000000"));
}
