// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/VisionSimulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TColor fromHex(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 16);
    return rgbColor(
        static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF));
}

int channelDifference(TColor a, TColor b)
{
    return std::max(
        {std::abs(redOf(a) - redOf(b)), std::abs(greenOf(a) - greenOf(b)), std::abs(blueOf(a) - blueOf(b))});
}

TEST(VisionSimulation, TypicalVisionKeepsEveryValue)
{
    // System colours too: they pass through untouched for the widgets to resolve.
    for (TColor color : {clBlack, clWhite, clTeal, rgbColor(18, 52, 86), static_cast<TColor>(0x80000005)})
        EXPECT_EQ(simulateVision(Vision::Typical, color), color);
}

TEST(VisionSimulation, GreysStayGrey)
{
    // Every dichromat still sees the neutral axis: the model keeps white white.
    for (Vision vision : {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia}) {
        for (int level = 0; level < 256; ++level) {
            const TColor grey = rgbColor(level, level, level);
            EXPECT_LE(channelDifference(simulateVision(vision, grey), grey), 1)
                << "vision " << static_cast<int>(vision) << " level " << level;
        }
    }
}

TEST(VisionSimulation, AgreesWithAnIndependentImplementation)
{
    // Made by tests/data/make_vision_pairs.py with python3-colorspacious.
    std::ifstream table(HUEWISE_TEST_DATA "/vision_pairs.txt");
    ASSERT_TRUE(table.is_open());
    const Vision visions[] = {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia};
    const char* names[] = {"protanopia", "deuteranopia", "tritanopia"};
    int largest[] = {0, 0, 0};
    int compared = 0;
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string color;
        std::string expected[3];
        ASSERT_TRUE(fields >> color >> expected[0] >> expected[1] >> expected[2]) << line;
        for (int i = 0; i < 3; ++i) {
            const int difference = channelDifference(simulateVision(visions[i], fromHex(color)), fromHex(expected[i]));
            EXPECT_LE(difference, 1) << names[i] << " of " << color << ", colorspacious gives " << expected[i];
            largest[i] = std::max(largest[i], difference);
        }
        ++compared;
    }
    ASSERT_GT(compared, 0);
    for (int i = 0; i < 3; ++i) {
        RecordProperty(std::string("largestDifference_") + names[i], largest[i]);
        std::printf("largest channel difference from colorspacious, %s: %d\n", names[i], largest[i]);
    }
}

TEST(VisionSimulation, SchemeIsSimulatedColourByColour)
{
    const SchemeColors scheme = {clNavy, clLime, clRed, rgbColor(200, 120, 40)};
    for (Vision vision : visionTypes) {
        const SchemeColors seen = simulateScheme(vision, scheme);
        for (std::size_t slot = 0; slot < scheme.size(); ++slot)
            EXPECT_EQ(seen[slot], simulateVision(vision, scheme[slot])) << "slot " << slot;
    }
}

} // namespace
