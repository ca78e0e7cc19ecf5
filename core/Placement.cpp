// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Placement.h"

#include <algorithm>

namespace placement {

namespace {

// Slides a span of `length` starting at `wanted` into [low, high], the low
// end winning when the span is longer than the room.
int within(int wanted, int length, int low, int high)
{
    return std::max(low, std::min(wanted, high + 1 - length));
}

} // namespace

QPoint besideWindow(const QRect& owner, const QSize& size, const QRect& area, int gap)
{
    const int w = size.width();
    const int h = size.height();
    const bool fitsAcross = h <= area.height();
    const bool fitsDown = w <= area.width();

    const int right = owner.right() + 1 + gap;
    if (fitsAcross && right + w - 1 <= area.right())
        return {right, within(owner.top(), h, area.top(), area.bottom())};
    const int left = owner.left() - gap - w;
    if (fitsAcross && left >= area.left())
        return {left, within(owner.top(), h, area.top(), area.bottom())};
    const int below = owner.bottom() + 1 + gap;
    if (fitsDown && below + h - 1 <= area.bottom())
        return {within(owner.left(), w, area.left(), area.right()), below};
    const int above = owner.top() - gap - h;
    if (fitsDown && above >= area.top())
        return {within(owner.left(), w, area.left(), area.right()), above};
    return {within(area.right(), w, area.left(), area.right()), within(area.bottom(), h, area.top(), area.bottom())};
}

} // namespace placement
