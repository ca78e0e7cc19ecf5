// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

// Registers the free look-alikes of the fonts the layout was measured with,
// where the system has them.
void loadApplicationFonts();

// A font as the windows name it: family, character height in pixels (the
// component library's negative Height) and TFontStyle flags.
QFont makeFont(const QString& name, int pixelHeight, int styles);
