#pragma once

#include <QColor>
#include <cstdint>

// 0x00BBGGRR: red in the low byte. Values with the top bit set name a
// system colour, resolved through the palette when drawn.
using TColor = std::int32_t;

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

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnFace = clSystemColor | 15;

inline constexpr TColor rgbColor(int red, int green, int blue)
{
    return (blue << 16) | (green << 8) | red;
}

class QPalette;

// System colours come from the palette so the window follows the desktop theme.
QColor toQColor(TColor color, const QPalette& palette);
QColor toQColor(TColor color);
