// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// A settings file in the user's configuration folder ($XDG_CONFIG_HOME, or
// ~/.config), read and written the way the program expects a private
// profile to behave: every read goes to the file, every write reaches it
// before returning, an existing key is replaced where it stands, a new key
// goes at the end of its section and a new section at the end of the file.
// Names match without regard to case, blanks around names and values are
// trimmed, lines starting with ";" are comments; a value is written so that
// it reads back as it was (see iniStoredValue). Each write replaces the
// whole file through a temporary file, so it is never left half-written; a
// failed write raises "Unable to write to <name>".
class TIniFile {
public:
    explicit TIniFile(const QString& fileName);

    QString path() const { return path_; }

    // At most 1023 characters, as through a 1024-byte buffer.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

private:
    std::optional<QString> readValue(const QString& section, const QString& key) const;

    QString name_;
    QString path_;
};

// The stored-integer rule: "0x"/"0X" read as "$", leading blanks skipped,
// then "+"/"-" and decimal digits in range, or "$" and one to eight hex
// digits, running to the end. Anything else is no integer.
std::optional<int> iniInteger(const QString& text);
