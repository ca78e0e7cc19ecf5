// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/IniText.h"

namespace {

QString withoutCR(const QString& line)
{
    return line.endsWith(u'\r') ? line.chopped(1) : line;
}

std::optional<QString> sectionName(const QString& line)
{
    const QString trimmed = withoutCR(line).trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool isQuoted(const QString& value)
{
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
}

struct KeyValue {
    QString key;
    QString value;
};

std::optional<KeyValue> keyValueOf(const QString& line)
{
    const QString text = withoutCR(line);
    if (text.trimmed().startsWith(u';'))
        return std::nullopt;
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    QString value = text.mid(equals + 1).trimmed();
    if (isQuoted(value))
        value = value.mid(1, value.size() - 2);
    return KeyValue{text.left(equals).trimmed(), value};
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString writtenValue(const QString& value)
{
    const QString stored = iniStoredValue(value);
    if (isQuoted(stored) || stored.trimmed().size() != stored.size())
        return u'"' + stored + u'"';
    return stored;
}

} // namespace

QStringList iniLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString iniText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + u'\n';
    return text;
}

QList<IniEntry> iniEntries(const QStringList& lines)
{
    QList<IniEntry> entries;
    std::optional<QString> section;
    for (const QString& line : lines) {
        if (auto name = sectionName(line)) {
            section = name;
            continue;
        }
        if (!section)
            continue;
        if (auto entry = keyValueOf(line))
            entries.append(IniEntry{*section, entry->key, entry->value});
    }
    return entries;
}

std::optional<QString> iniLookUp(const QStringList& lines, const QString& section, const QString& key)
{
    bool inSection = false;
    for (const QString& line : lines) {
        if (auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto entry = keyValueOf(line); entry && sameName(entry->key, key))
            return entry->value;
    }
    return std::nullopt;
}

QString iniWithValue(const QString& text, const QString& section, const QString& key, const QString& value)
{
    QStringList lines = iniLines(text);
    // New lines take the file's own line ends.
    const QString eol = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r") : QString();
    const QString newLine = key + u'=' + writtenValue(value) + eol;

    qsizetype sectionAt = -1;
    qsizetype lastEntry = -1;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size() && !replaced; ++i) {
        if (auto name = sectionName(lines[i])) {
            if (sectionAt >= 0)
                break; // past the end of our section
            if (sameName(*name, section))
                sectionAt = lastEntry = i;
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (auto entry = keyValueOf(lines[i])) {
            if (sameName(entry->key, key)) {
                lines[i] = newLine;
                replaced = true;
            }
            lastEntry = i;
        }
    }
    if (!replaced) {
        if (sectionAt >= 0)
            lines.insert(lastEntry + 1, newLine);
        else
            lines << u'[' + section + u']' + eol << newLine;
    }
    return iniText(lines);
}

QString iniStoredValue(const QString& value)
{
    QString stored = value;
    return stored.replace(u'\n', u' ');
}
