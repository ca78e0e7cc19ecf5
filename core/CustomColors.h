// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"
#include "core/StringList.h"

#include <array>

// The colour dialog's sixteen custom colour boxes and the list lines ColorA
// to ColorP that carry them, as hexadecimal colour values (BBGGRR).
inline constexpr int customColorCount = 16;
using CustomColorBoxes = std::array<TColor, customColorCount>;

// "Color" and the box's letter, A for the first box to P for the sixteenth.
QString customColorName(int box);

// Box i takes the value of the first line named like it, compared without
// case, read as "$" and the value; a missing line or an empty value gives
// -1. A value that is not one to eight hex digits raises EConvertError.
CustomColorBoxes boxesFromList(const TStringList& list);

// Each box goes back into its first line, written "ColorX=" and at least six
// upper-case hex digits; missing entries are appended in box order. Every
// other line stays as it was.
void rewriteList(TStringList& list, const CustomColorBoxes& boxes);
