// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Contrast.h"
#include "core/VisionChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// As the page shows it: #000000, #FFFFFF, #008080, #00FFFF.
const SchemeColors defaultScheme = {
    rgbColor(0x00, 0x00, 0x00), rgbColor(0xFF, 0xFF, 0xFF), rgbColor(0x00, 0x80, 0x80), rgbColor(0x00, 0xFF, 0xFF)};
// Red text with yellow-green links on black: over 3:1 apart except for deuteranopia.
const SchemeColors redGreenScheme = {
    rgbColor(0x00, 0x00, 0x00), rgbColor(0xFF, 0x00, 0x00), rgbColor(0xCC, 0xFF, 0x33), rgbColor(0xFF, 0xFF, 0xFF)};

bool among(Vision vision, std::initializer_list<Vision> visions)
{
    return std::find(visions.begin(), visions.end(), vision) != visions.end();
}

TEST(VisionChecks, RatiosAreThoseOfTheSimulatedColours)
{
    for (const SchemeColors& scheme : {defaultScheme, redGreenScheme}) {
        const VisionChecks checks = checkVisions(scheme);
        for (std::size_t i = 0; i < visionTypes.size(); ++i) {
            const VisionCheck& check = checks[i];
            EXPECT_EQ(check.vision, visionTypes[i]);
            const SchemeColors seen = simulateScheme(check.vision, scheme);
            EXPECT_DOUBLE_EQ(check.textOnBackground, contrast::ratio(seen[1], seen[0]));
            EXPECT_DOUBLE_EQ(check.linkOnBackground, contrast::ratio(seen[2], seen[0]));
            EXPECT_DOUBLE_EQ(check.visitedOnBackground, contrast::ratio(seen[3], seen[0]));
            EXPECT_DOUBLE_EQ(check.linkAgainstText, contrast::ratio(seen[2], seen[1]));
            EXPECT_DOUBLE_EQ(check.visitedAgainstText, contrast::ratio(seen[3], seen[1]));
        }
    }
}

TEST(VisionChecks, DefaultSchemeLosesOnlyTheVisitedLinks)
{
    const VisionChecks checks = checkVisions(defaultScheme);
    for (const VisionCheck& check : checks) {
        SCOPED_TRACE(visionName(check.vision).toStdString());
        // The model keeps black and white, so white text on black stays 21:1.
        EXPECT_NEAR(check.textOnBackground, 21.0, 1e-9);
        EXPECT_TRUE(check.linkStaysApart()) << check.linkAgainstText;
        EXPECT_FALSE(check.visitedStaysApart()) << check.visitedAgainstText;
    }
    EXPECT_DOUBLE_EQ(checks[0].linkOnBackground, contrast::ratio(clTeal, clBlack));
    EXPECT_DOUBLE_EQ(checks[0].visitedAgainstText, contrast::ratio(clAqua, clWhite));
    EXPECT_EQ(linkBlendSentence(checks), QStringLiteral("Visited links blend into the text for every vision type"));
}

TEST(VisionChecks, RedGreenSchemeLosesTheLinksForDeuteranopia)
{
    const VisionChecks checks = checkVisions(redGreenScheme);
    for (const VisionCheck& check : checks) {
        SCOPED_TRACE(visionName(check.vision).toStdString());
        EXPECT_EQ(check.linkStaysApart(), check.vision != Vision::Deuteranopia) << check.linkAgainstText;
        EXPECT_TRUE(check.visitedStaysApart()) << check.visitedAgainstText;
    }
    EXPECT_EQ(linkBlendSentence(checks), QStringLiteral("Links blend into the text for deuteranopia"));
}

TEST(VisionChecks, ExactlyTheLinkRatioStaysApart)
{
    VisionCheck check;
    check.linkAgainstText = contrast::linkFromText;
    check.visitedAgainstText = std::nextafter(contrast::linkFromText, 0.0);
    EXPECT_TRUE(check.linkStaysApart());
    EXPECT_FALSE(check.visitedStaysApart());
}

TEST(VisionChecks, SentenceNamesTheVisionTypesThatLoseTheLinks)
{
    using V = Vision;
    const struct {
        std::initializer_list<Vision> linksBlend;
        std::initializer_list<Vision> visitedBlend;
        const char* sentence;
    } cases[] = {
        {{}, {}, "Links and visited links stay apart from the text for every vision type"},
        {{V::Deuteranopia}, {}, "Links blend into the text for deuteranopia"},
        {{V::Protanopia, V::Deuteranopia}, {}, "Links blend into the text for protanopia and deuteranopia"},
        {{V::Protanopia, V::Deuteranopia, V::Tritanopia}, {},
            "Links blend into the text for protanopia, deuteranopia and tritanopia"},
        {{V::Typical, V::Protanopia, V::Deuteranopia, V::Tritanopia}, {},
            "Links blend into the text for every vision type"},
        {{}, {V::Tritanopia}, "Visited links blend into the text for tritanopia"},
        {{V::Protanopia, V::Deuteranopia}, {V::Protanopia, V::Deuteranopia},
            "Links and visited links blend into the text for protanopia and deuteranopia"},
        {{V::Deuteranopia}, {V::Protanopia, V::Deuteranopia, V::Tritanopia},
            "Links blend into the text for deuteranopia; visited links for protanopia, deuteranopia and tritanopia"},
        {{V::Typical, V::Protanopia}, {V::Tritanopia},
            "Links blend into the text for typical vision and protanopia; visited links for tritanopia"},
    };
    for (const auto& c : cases) {
        VisionChecks checks;
        for (std::size_t i = 0; i < visionTypes.size(); ++i) {
            checks[i].vision = visionTypes[i];
            checks[i].linkAgainstText = among(visionTypes[i], c.linksBlend) ? 1.2 : 4.5;
            checks[i].visitedAgainstText = among(visionTypes[i], c.visitedBlend) ? 2.9 : 3.0;
        }
        EXPECT_EQ(linkBlendSentence(checks), QString::fromUtf8(c.sentence));
    }
}

} // namespace
