// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// What a person may type into the hexadecimal and decimal boxes. Only the
// ASCII digits and the letters A to F count, in either case.
namespace typed {

// One or two hexadecimal digits: a channel level.
std::optional<int> hexLevel(const QString& text);
// One to three decimal digits up to 255.
std::optional<int> decimalLevel(const QString& text);
// A whole colour, #RRGGBB, RRGGBB or #RGB, as its scheme value RRGGBB in
// upper case (#RGB doubles each digit, as CSS does).
std::optional<QString> wholeColor(const QString& text);
// Text that more typing could still make into a level or a whole colour:
// an optional "#" and at most six hexadecimal digits.
bool hexEntryPrefix(const QString& text);

} // namespace typed
