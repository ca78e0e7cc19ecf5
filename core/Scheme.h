// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QString>

#include <array>

// The four attributes of a BODY tag the program edits, always in this order.
enum class SchemeSlot { BGCOLOR, TEXT, LINK, VLINK };
inline constexpr std::array<SchemeSlot, 4> schemeSlots = {
    SchemeSlot::BGCOLOR, SchemeSlot::TEXT, SchemeSlot::LINK, SchemeSlot::VLINK};

inline constexpr int slotIndex(SchemeSlot slot)
{
    return static_cast<int>(slot);
}

// One entry per attribute, in slot order.
using SchemeValues = std::array<QString, 4>; // scheme values, RRGGBB
using SchemeColors = std::array<TColor, 4>; // colour values

// The attribute's name in HTML and its key in the settings file.
QString keyword(SchemeSlot slot);

// The scheme of the window's design, which a missing settings key gives:
// black background, white text, teal links, aqua visited links.
QString defaultSchemeValue(SchemeSlot slot);
SchemeValues defaultScheme();

// How stored values come back through the scheme text reader at start-up:
// BGCOLOR#…TEXT#…LINK#…VLINK#…, no blanks, no quotes.
QString startupSchemeText(const SchemeValues& values);
