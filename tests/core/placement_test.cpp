// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Placement.h"

#include <gtest/gtest.h>

namespace {

using placement::besideWindow;

TEST(Placement, BesideTheOwnerWhereThereIsRoomInThisOrder)
{
    const QRect screen(0, 0, 1024, 768);
    const QSize size(430, 150);
    const struct {
        const char* where;
        QRect owner;
        QPoint expected;
    } cases[] = {
        {"right, tops aligned", {100, 50, 412, 338}, {520, 50}},
        {"left: no room on the right", {560, 50, 412, 338}, {122, 50}},
        {"below: no room on either side", {300, 50, 412, 338}, {300, 396}},
        {"above: no room beside or below", {300, 420, 412, 338}, {300, 262}},
        {"right, kept on the screen at the bottom", {100, 700, 412, 60}, {520, 618}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const QPoint at = besideWindow(c.owner, size, screen, 8);
        EXPECT_EQ(at, c.expected);
        const QRect placed(at, size);
        EXPECT_TRUE(screen.contains(placed));
        EXPECT_FALSE(placed.intersects(c.owner)) << "it covers the owner";
    }
}

TEST(Placement, BelowIsKeptOnTheScreenAtTheRight)
{
    const QRect screen(0, 0, 800, 768);
    EXPECT_EQ(besideWindow({380, 50, 412, 338}, {430, 150}, screen, 8), QPoint(370, 396));
}

TEST(Placement, AScreenWithRoomNowhereGetsItsBottomRightCorner)
{
    const QRect screen(0, 0, 800, 600);
    EXPECT_EQ(besideWindow({100, 100, 700, 450}, {430, 150}, screen, 8), QPoint(370, 450));
    // Larger than the screen: its top left stays on it.
    EXPECT_EQ(besideWindow({0, 0, 100, 100}, {900, 700}, screen, 8), QPoint(0, 0));
}

TEST(Placement, AScreenThatDoesNotStartAtZero)
{
    // A second screen to the right of a first, with a panel along its top.
    const QRect screen(1920, 32, 1280, 992);
    EXPECT_EQ(besideWindow({1940, 10, 412, 338}, {430, 150}, screen, 8), QPoint(2360, 32));
}

} // namespace
