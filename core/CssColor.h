// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QStringView>

#include <optional>

// A CSS colour value the program can show: #rgb, #rgba, #rrggbb, #rrggbbaa,
// a named colour, rgb()/rgba() and hsl()/hsla() in either the comma or the
// space syntax. Alpha is read and dropped, since the four attributes have
// none. None for anything else, valid CSS or not (transparent,
// currentColor, var(), inherit), since no colour follows from it alone.
std::optional<TColor> parseCssColor(QStringView value);

// One of the CSS named colours, the 147 of CSS 3 and rebeccapurple, in any
// ASCII case.
std::optional<TColor> namedCssColor(QStringView name);
