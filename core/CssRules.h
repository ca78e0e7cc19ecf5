// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"
#include "core/TextSpan.h"

#include <QStringView>

#include <array>
#include <optional>

// A colour a style sheet gives one of the four attributes, and where its
// text lies in the sheet.
struct CssSchemeColor {
    TextSpan span;
    TColor color = 0;
};

// In SchemeSlot order: body's background colour, body's color, the color of
// a:link (or else of a), the color of a:visited. None where the winning
// declaration has no colour the program can show, or there is none.
using CssSchemeColors = std::array<std::optional<CssSchemeColor>, 4>;

// The four colours as the cascade settles them among these selectors alone:
// "!important" first, then a:link over a, then the later declaration.
// Declarations that are no valid CSS drop out, as browsers drop them; rules
// inside at-rules (@media) and nested rules are passed over. None when the
// text holds no CSS rule at all.
std::optional<CssSchemeColors> readCssSchemeColors(QStringView text);
