// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace placement {

// Where a window of `size` goes beside the window `owner` (both with their
// frames) inside `area`, `gap` pixels apart, so that it covers no part of
// the owner: to its right where there is room, else to its left, else
// below, else above, aligned with the owner's top or left edge and kept
// inside the area. When none of them fits, the area's bottom right corner.
QPoint besideWindow(const QRect& owner, const QSize& size, const QRect& area, int gap);

} // namespace placement
