// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/VisionSimulation.h"

#include <algorithm>
#include <cmath>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", IEEE TVCG 15(6): the published
// matrices for severity 1.0, which act on linear RGB.
struct Dichromacy {
    Vision vision;
    Matrix matrix;
};
constexpr std::array<Dichromacy, 3> dichromacies = {{
    {Vision::Protanopia,
        {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {Vision::Deuteranopia,
        {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {Vision::Tritanopia,
        {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

const Matrix* matrixFor(Vision vision)
{
    for (const Dichromacy& dichromacy : dichromacies) {
        if (dichromacy.vision == vision)
            return &dichromacy.matrix;
    }
    return nullptr;
}

// The sRGB transfer function, once for each of the 256 levels.
const std::array<double, 256>& linearLevels()
{
    static const std::array<double, 256> levels = [] {
        std::array<double, 256> table{};
        for (int level = 0; level < 256; ++level) {
            const double c = level / 255.0;
            table[level] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return levels;
}

int levelFromLinear(double linear)
{
    // Clamped first: a dichromat's colour can fall outside the sRGB gamut.
    const double l = std::clamp(linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055;
    return std::clamp(static_cast<int>(std::lround(c * 255.0)), 0, 255);
}

} // namespace

TColor simulateVision(Vision vision, TColor color)
{
    const Matrix* matrix = matrixFor(vision);
    if (!matrix)
        return color;
    const std::array<double, 256>& linear = linearLevels();
    const std::array<double, 3> rgb = {linear[redOf(color)], linear[greenOf(color)], linear[blueOf(color)]};
    std::array<int, 3> seen{};
    for (int row = 0; row < 3; ++row) {
        const std::array<double, 3>& m = (*matrix)[row];
        seen[row] = levelFromLinear(m[0] * rgb[0] + m[1] * rgb[1] + m[2] * rgb[2]);
    }
    return rgbColor(seen[0], seen[1], seen[2]);
}

SchemeColors simulateScheme(Vision vision, const SchemeColors& scheme)
{
    SchemeColors seen{};
    std::transform(
        scheme.begin(), scheme.end(), seen.begin(), [vision](TColor color) { return simulateVision(vision, color); });
    return seen;
}
