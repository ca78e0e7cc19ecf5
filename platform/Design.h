// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Form.h"

#include <QIcon>
#include <QString>

#include <initializer_list>
#include <optional>

// A font as the designs name it: family, character height in pixels and
// TFontStyle flags (see makeFont).
struct TFontDesign {
    const char* name;
    int height;
    int styles = fsRegular;
};

// A window's own settings.
struct TFormDesign {
    QString caption;
    QIcon icon;
    TBorderStyle borderStyle;
    TPosition position;
    int clientWidth;
    int clientHeight;
    TFontDesign font;
    std::optional<TColor> fontColor = {};
    TFormStyle formStyle = TFormStyle::fsNormal;
    bool visibleAtCreation = false;
};

struct TBounds {
    int left, top, width, height;
};

// One control's row of a design. Whatever a row leaves out (a null caption
// or hint, no font, no colour) the control keeps: its own default, or its
// parent's font.
struct TControlDesign {
    TControl* control;
    TBounds bounds;
    QString caption = {};
    QString hint = {};
    std::optional<TFontDesign> font = {};
    std::optional<TColor> color = {};
    std::optional<TColor> fontColor = {};
};

// Every window is set up through this: its own settings, then its controls
// row by row.
void applyDesign(TForm& form, const TFormDesign& design, std::initializer_list<TControlDesign> controls);
void applyDesign(std::initializer_list<TControlDesign> controls);

// Escape closes the window, as the close box does (the information windows).
void closeOnEscape(TForm& form);
