// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SchemeText.h"

#include <gtest/gtest.h>

namespace {

using Scheme = SchemeValues;

TEST(SchemeTextWriter, DefaultSchemeIsTheSixtyThreeCharacterText)
{
    const QString text = schemeText({"000000", "FFFFFF", "008080", "00FFFF"});
    EXPECT_EQ(text, QStringLiteral(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")"));
    EXPECT_EQ(text.size(), 63);
    EXPECT_EQ(attributeText(SchemeSlot::TEXT, "FFFFFF"), QStringLiteral(R"(TEXT="#FFFFFF")"));
    EXPECT_EQ(attributeText(SchemeSlot::VLINK, "12 45G"), QStringLiteral(R"(VLINK="#12 45G")"));
}

TEST(SchemeTextWriter, StyleSheetHasARuleALine)
{
    EXPECT_EQ(cssText({"000000", "FFFFFF", "008080", "00FFFF"}),
        QStringLiteral("body { background-color: #000000; color: #FFFFFF; }\na:link { color: #008080; }\n"
                       "a:visited { color: #00FFFF; }\n"));
}

Scheme readBack(const QString& text)
{
    const FoundValues found = findSchemeValues(text);
    Scheme values;
    for (std::size_t slot = 0; slot < 4; ++slot) {
        EXPECT_TRUE(found[slot].has_value()) << "attribute " << slot << " of " << text.toStdString();
        if (found[slot])
            values[slot] = found[slot]->value;
    }
    return values;
}

Scheme upperCased(const Scheme& values)
{
    Scheme upper;
    for (std::size_t slot = 0; slot < 4; ++slot)
        upper[slot] = upperCaseAscii(values[slot]);
    return upper;
}

// Whatever the program copies, pasted back as the paste hands it over,
// gives the four values again.
TEST(SchemeTextWriter, CopiedTextsPasteBackTheirValues)
{
    const Scheme schemes[] = {
        {"000000", "FFFFFF", "008080", "00FFFF"},
        {"abcdef", "0a1B2c", "FfFfFf", "000001"},
        {"C0C0C0", "800000", "0000EE", "551A8B"},
    };
    for (const Scheme& values : schemes) {
        SCOPED_TRACE(values[0].toStdString());
        const Scheme upper = upperCased(values);
        EXPECT_EQ(readBack(upperCaseAscii(schemeText(values))), upper);
        EXPECT_EQ(readBack(upperCaseAscii(QStringLiteral("<body ") + schemeText(values) + u'>')), upper);
        EXPECT_EQ(readBack(upperCaseAscii(cssText(values))), upper);
        EXPECT_EQ(readBack(cssText(values)), upper);
        // The start-up text, which the program builds from stored values.
        const QString startup =
            QStringLiteral("BGCOLOR#%1TEXT#%2LINK#%3VLINK#%4").arg(upper[0], upper[1], upper[2], upper[3]);
        EXPECT_EQ(readBack(startup), upper);
    }
}

} // namespace
