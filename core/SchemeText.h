// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Scheme.h"

#include <QString>

#include <array>
#include <optional>

// One attribute as the clipboard gets it: KEYWORD="#value".
QString attributeText(SchemeSlot slot, const QString& value);
// All four fragments in order, one blank between them.
QString schemeText(const SchemeValues& values);

// The scheme as a style sheet: body, a:link and a:visited, a line each.
QString cssText(const SchemeValues& values);

// One attribute's value as the reader found it: where its text lies in the
// input (always wholly inside it) and the six characters the summary label
// takes — the raw six after "#", or a colour the reader parsed, as RRGGBB.
struct FoundValue {
    qsizetype offset = 0;
    qsizetype length = 0;
    QString value;
};
using FoundValues = std::array<std::optional<FoundValue>, 4>; // in SchemeSlot order

// Reads the four attributes from a clipboard text, whichever of these it is,
// in this order: a page or a BODY tag (the first BODY tag outside comments,
// alone); attribute text (name=value anywhere); a style sheet (body, a:link,
// a and a:visited); else the start-up form BGCOLOR#...TEXT#..., where each
// upper-case keyword takes the six characters after the next "#". An
// attribute's value "#" and six or more characters gives those six as they
// stand, hex or not, as the program always did; any other value is read as
// browsers read BGCOLOR ("white", "#fff", "cccccc"). None for an attribute
// the text does not give, so the paste leaves it as it is.
FoundValues findSchemeValues(const QString& text);

// Upper-cases the 26 letters a to z and nothing else, whatever the locale.
QString upperCaseAscii(const QString& text);
