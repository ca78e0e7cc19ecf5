// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Scheme.h"

#include <array>

// Typical colour vision and the three full dichromacies, each missing one
// kind of cone: long (protanopia), medium (deuteranopia), short (tritanopia).
enum class Vision { Typical, Protanopia, Deuteranopia, Tritanopia };
inline constexpr std::array<Vision, 4> visionTypes = {
    Vision::Typical, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia};

// How `color` looks with `vision`; typical vision gives it back unchanged.
// The others need a plain colour: system colours are resolved first.
TColor simulateVision(Vision vision, TColor color);
// Each of the four colours as `vision` sees it, in the same order.
SchemeColors simulateScheme(Vision vision, const SchemeColors& scheme);
