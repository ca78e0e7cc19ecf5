// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QStringView>

#include <optional>

// How browsers read BGCOLOR, TEXT, LINK and VLINK values: the HTML rules for
// parsing a legacy colour value, which turn almost any text into a colour
// ("chucknorris" is a dark red). None for the two values those rules refuse:
// the empty text and "transparent".
std::optional<TColor> parseLegacyColor(QStringView value);
