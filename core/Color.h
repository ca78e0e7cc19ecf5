// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// A colour value: 0x00BBGGRR, red in the low byte. Values with the top bit
// set name a system colour, which only the widgets can resolve.
using TColor = std::int32_t;

inline constexpr int redOf(TColor color)
{
    return color & 0xFF;
}
inline constexpr int greenOf(TColor color)
{
    return (color >> 8) & 0xFF;
}
inline constexpr int blueOf(TColor color)
{
    return (color >> 16) & 0xFF;
}
// Levels 0 to 255 each.
inline constexpr TColor rgbColor(int red, int green, int blue)
{
    return (blue << 16) | (green << 8) | red;
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clAqua = 0xFFFF00;

// System colours, which follow the desktop theme: the widgets resolve them
// through the palette when they draw.
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnFace = clSystemColor | 15;
