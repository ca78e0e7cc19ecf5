// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/VisionSimulation.h"

#include <QString>

#include <array>

// The scheme's contrast ratios as someone with `vision` sees them.
struct VisionCheck {
    Vision vision = Vision::Typical;
    double textOnBackground = 1.0;
    double linkOnBackground = 1.0;
    double visitedOnBackground = 1.0;
    double linkAgainstText = 1.0;
    double visitedAgainstText = 1.0;

    // At least contrast::linkFromText: links without underline can still be
    // told from the text around them.
    bool linkStaysApart() const;
    bool visitedStaysApart() const;
};
// One for each of visionTypes, in that order.
using VisionChecks = std::array<VisionCheck, 4>;

VisionCheck checkVision(Vision vision, const SchemeColors& scheme);
VisionChecks checkVisions(const SchemeColors& scheme);

// Lower case, to stand inside a sentence: "typical vision", "protanopia", ...
QString visionName(Vision vision);
// Which vision types lose the links or the visited links in the text, or
// that none does.
QString linkBlendSentence(const VisionChecks& checks);
