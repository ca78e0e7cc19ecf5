#pragma once

#include <QString>
#include <QStringList>

// An ordered list of text lines, duplicates allowed. A line's name is the
// text before its first "=", its value the text after it.
class TStringList {
public:
    TStringList() = default;
    TStringList(std::initializer_list<QString> lines) : lines_(lines) {}

    int count() const { return static_cast<int>(lines_.size()); }
    const QString& operator[](int index) const { return lines_[index]; }
    void setString(int index, const QString& line) { lines_[index] = line; }
    void add(const QString& line) { lines_.append(line); }
    void clear() { lines_.clear(); }
    const QStringList& lines() const { return lines_; }

    // The first line whose name is `name`, compared without regard to case; -1 if none.
    int indexOfName(const QString& name) const;
    static bool hasName(const QString& line);
    static QString nameOf(const QString& line);
    static QString valueOf(const QString& line);

private:
    QStringList lines_;
};
