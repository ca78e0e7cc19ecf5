// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QChar>
#include <QFont>
#include <span>

class TImage;
class TLabel;

struct NameLetter {
    TLabel* label;
    QChar letter;
    TColor fontColor;
};

// The display name in letter labels: transparent, one letter each, each box
// as wide as its letter with the italic overhang. A `step` of 0 starts each
// letter where the one before ends; otherwise the letters stand `step` apart
// and overlap.
void placeNameLetters(std::span<const NameLetter> letters, const QFont& font, int left, int top, int height, int step);

// The 96 × 96 program picture at 8, 8 of its parent.
void placeProgramPicture(TImage* image);
