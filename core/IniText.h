// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The text of a settings file and the two things done with it, looking a key
// up and setting one, with no file involved: TIniFile reads and writes the
// file around these, and the fuzzers reach them directly.

// Split at LF only; a CR before it stays on its line, so a file with CR LF
// ends keeps them when it is written back. A last line end adds no line.
QStringList iniLines(const QString& text);
// Every line followed by LF.
QString iniText(const QStringList& lines);

// One key=value line inside a section, as a reader sees it: names and value
// trimmed, a value in matching quotes without them.
struct IniEntry {
    QString section;
    QString key;
    QString value;
};
// In file order. Lines before the first section, comments (";") and lines
// without "=" are none.
QList<IniEntry> iniEntries(const QStringList& lines);

// The first entry with this key in a section of this name, names compared
// without regard to case; a section may stand in the file more than once.
std::optional<QString> iniLookUp(const QStringList& lines, const QString& section, const QString& key);

// The text with the key set: an existing key replaced where it stands (in the
// first section of that name), a new key after the last entry of that
// section, a new section at the end. Every other line stays as it was.
QString iniWithValue(const QString& text, const QString& section, const QString& key, const QString& value);

// What reading back a value written as `value` gives. A value would lose its
// blanks at either end and a pair of quotes around it, so such a value is
// written inside quotes of its own; an LF would start a new line, so it is
// written as a blank. A CR ends no line and stays as it is.
QString iniStoredValue(const QString& value);
