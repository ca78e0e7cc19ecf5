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

// Where each attribute's six value characters start in `text`, or none when
// the attribute is to be skipped. The values lie wholly inside the text.
using SchemeValueOffsets = std::array<std::optional<qsizetype>, 4>;
SchemeValueOffsets findSchemeValues(const QString& text);

// Upper-cases the 26 letters a to z and nothing else, whatever the locale.
QString upperCaseAscii(const QString& text);
