// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ColorNotation.h"
#include "core/Contrast.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

namespace {

using contrast::ratio;
using contrast::ratioText;

TEST(ContrastRatio, MatchesPublishedValues)
{
    EXPECT_DOUBLE_EQ(ratio(clBlack, clWhite), 21.0);
    EXPECT_DOUBLE_EQ(ratio(clWhite, clBlack), 21.0);
    EXPECT_DOUBLE_EQ(ratio(clTeal, clTeal), 1.0);
    const double grey = ratio(0x777777, clWhite);
    EXPECT_EQ(ratioText(grey), QStringLiteral("4.47"));
    EXPECT_LT(grey, contrast::normalTextAA);
    // Published as 4.40:1; it is 4.3994, so rounded down it reads 4.39.
    EXPECT_NEAR(ratio(clTeal, clBlack), 4.40, 0.005);
    EXPECT_EQ(ratioText(ratio(clTeal, clBlack)), QStringLiteral("4.39"));
    EXPECT_EQ(ratioText(ratio(clAqua, clWhite)), QStringLiteral("1.25"));
}

TEST(ContrastRatio, TextIsRoundedDownSoAFailNeverReadsAsAPass)
{
    EXPECT_EQ(ratioText(4.4999), QStringLiteral("4.49"));
    EXPECT_EQ(ratioText(6.999), QStringLiteral("6.99"));
    EXPECT_EQ(ratioText(2.9999999), QStringLiteral("2.99"));
    EXPECT_EQ(ratioText(21.0), QStringLiteral("21.00"));
}

TEST(ContrastRatio, AgreesWithAnIndependentImplementation)
{
    // Made by tests/data/make_contrast_pairs.py with python3-wcag-contrast-ratio.
    QFile table(QStringLiteral(HUEWISE_TEST_DATA "/contrast_pairs.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    int compared = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromLatin1(table.readLine()).trimmed();
        if (line.startsWith(u'#') || line.isEmpty())
            continue;
        const QStringList fields = line.split(u' ');
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        // The table holds scheme values, RRGGBB.
        const auto colour = [](const QString& rrggbb) { return notation::colorValue(rrggbb); };
        EXPECT_NEAR(ratio(colour(fields[0]), colour(fields[1])), fields[2].toDouble(), 1e-9) << line.toStdString();
        ++compared;
    }
    EXPECT_EQ(compared, 300);
}

} // namespace
