// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QPainter;
class QPalette;

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// Draws a one-pixel bevel on the edge of `rect` and returns what lies inside it.
QRect drawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, TBevelCut cut);
// The single-line border of a panel: one dark line, the rect inside it returned.
QRect drawSingleBorder(QPainter& painter, const QRect& rect, const QPalette& palette);
