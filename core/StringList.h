// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// An ordered list of text lines, duplicates allowed. A line's name is the
// text before its first "=", its value the text after it.
class TStringList {
public:
    TStringList() = default;
    TStringList(std::initializer_list<QString> lines)
        : lines_(lines)
    {}

    int count() const { return static_cast<int>(lines_.size()); }
    const QString& operator[](int index) const { return lines_[index]; }
    void setString(int index, const QString& line) { lines_[index] = line; }
    void add(const QString& line) { lines_.append(line); }
    void clear() { lines_.clear(); }
    const QStringList& lines() const { return lines_; }

    // Replaces the lines with those of a text file, split at CR, LF or CR
    // LF, up to a NUL byte. Raises "Cannot open file %s".
    void LoadFromFile(const QString& fileName);
    // Every line followed by CR LF, replacing the file whole or not at all.
    // Raises "Cannot create file %s" or "Stream write error".
    void SaveToFile(const QString& fileName) const;

    // The first line whose name is `name`, compared without regard to case; -1 if none.
    int indexOfName(const QString& name) const;
    static bool hasName(const QString& line);
    static QString nameOf(const QString& line);
    static QString valueOf(const QString& line);

private:
    QStringList lines_;
};

// The lines of a text file: CR LF, a lone LF and a lone CR each end one
// line (LF CR ends two); a last line without an end still counts; a NUL
// byte ends the text. Bytes are kept as they are (Latin-1).
QStringList splitTextLines(const QByteArray& bytes);
