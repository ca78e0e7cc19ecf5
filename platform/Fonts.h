// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

// Which look-alike faces makeFont gives. The bitmap faces match the fixed
// layout pixel for pixel but cannot grow: on a screen that draws a pixel
// with more than one (a device pixel ratio above 1) their glyphs stay small
// and stand apart. There the scalable faces of the same widths are used.
enum class TFaces { Bitmap, Scalable };

// Registers the free look-alikes of the fonts the layout was measured with,
// where the system has them, and picks the faces for the screens there are
// at start: Scalable when any of them has a ratio above 1.
void loadApplicationFonts();
TFaces fontFaces();
void setFontFaces(TFaces faces);

// A font as the windows name it: family, character height in pixels (the
// component library's negative Height) and TFontStyle flags.
QFont makeFont(const QString& name, int pixelHeight, int styles);
