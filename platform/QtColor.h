#pragma once

#include "core/Color.h"

#include <QColor>

class QPalette;

// System colours come from the palette so the window follows the desktop theme.
QColor toQColor(TColor color, const QPalette& palette);
QColor toQColor(TColor color);
