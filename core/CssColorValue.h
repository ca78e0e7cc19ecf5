// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"
#include "core/TextSpan.h"

#include <QStringView>

// What a colour declaration's value does in the cascade.
struct CssColorValue {
    enum class Kind {
        Color, // a colour the program can show
        Unresolved, // valid CSS whose colour the style sheet alone does not give (currentColor, var(), inherit)
        Invalid, // no CSS at all: browsers drop the declaration, so it changes nothing
    };
    Kind kind = Kind::Invalid;
    TColor color = 0;
    TextSpan span; // where the colour lies in the value given
};

// The value of color or background-color, without comments and "!important".
CssColorValue colorPropertyValue(QStringView value);

// The colour the background shorthand sets: the one in its last layer, or
// transparent (so Unresolved) when the shorthand names none.
CssColorValue backgroundColorValue(QStringView value);
