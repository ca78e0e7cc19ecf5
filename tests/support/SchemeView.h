// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/QtPrinters.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <QString>
#include <ostream>

class QStyle;

// Everything of the main window that holds the scheme and the editing
// state, so a test can say exactly what an action changed.
struct SchemeView {
    QString summaries[4]; // BGCOLOR, TEXT, LINK, VLINK
    TColor tile = 0;
    TColor sampleBackgrounds[3] = {};
    TColor sampleFonts[3] = {};
    QString hex[3], decimal[3];
    int levels[3] = {};
    QString working;
    QChar active;

    static SchemeView of(const TColor_Scan& window);
    bool operator==(const SchemeView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SchemeView& view);

// The state every interaction must come to rest in: hex boxes showing the
// levels, the working colour joining them, and the active attribute's
// summary and colour value equal to them.
void expectInvariantAtRest(const TColor_Scan& window);

// Where the style draws an arrow, the trough or the thumb of a bar.
QRect scrollBarPart(const TScrollBar* bar, int subControl);
