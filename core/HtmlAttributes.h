// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/TextSpan.h"

#include <QStringView>

#include <array>
#include <optional>

// Where the attribute list of the first BODY start tag that is not inside
// an HTML comment begins: just after "<body".
std::optional<qsizetype> bodyTagAttributes(QStringView text);

// Whether the text holds "name=" anywhere, as a tag's attributes do.
bool hasAttributeSyntax(QStringView text);

// For BGCOLOR, TEXT, LINK and VLINK (SchemeSlot order), the value of the
// first attribute with exactly that name: the text inside its quotes, or its
// unquoted run; empty for an attribute without a value.
using AttributeValues = std::array<std::optional<TextSpan>, 4>;

// The attributes of the tag whose list begins at `from`, read as browsers
// read a start tag, up to its closing ">" or the end of the text.
AttributeValues tagAttributeValues(QStringView text, qsizetype from);

// The attributes anywhere in free text: a name is a run of letters, digits,
// "-", "_" and ":" followed by "="; everything else between them is skipped.
AttributeValues textAttributeValues(QStringView text);
