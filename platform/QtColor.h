// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QColor>

class QPalette;

// System colours come from the palette so the window follows the desktop theme.
QColor toQColor(TColor color, const QPalette& palette);
QColor toQColor(TColor color);
