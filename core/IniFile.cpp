// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/IniFile.h"

#include "core/AtomicFile.h"
#include "core/Exceptions.h"
#include "core/IniText.h"
#include "core/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <limits>

namespace {

constexpr qsizetype maxValueLength = 1023;

// Latin-1 keeps every byte of a hand-edited file as it was when the file
// is written back.
QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

} // namespace

TIniFile::TIniFile(const QString& fileName)
    : name_(fileName)
    , path_(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(fileName))
{}

std::optional<QString> TIniFile::readValue(const QString& section, const QString& key) const
{
    if (auto value = iniLookUp(iniLines(readText(path_)), section, key))
        return value->left(maxValueLength);
    return std::nullopt;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return readValue(section, key).value_or(defaultValue);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    return iniInteger(readValue(section, key).value_or(QString())).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString text = iniWithValue(readText(path_), section, key, value);

    const QString failure = QStringLiteral("Unable to write to %1").arg(name_);
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        throw Exception(failure);
    if (writeFileAtomically(path_, text.toLatin1()) != TAtomicWrite::Written)
        throw Exception(failure);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<int> iniInteger(const QString& stored)
{
    QString text = stored;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        text = u'$' + text.mid(2);
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < text.size() && text[i] == u'$') {
        const qsizetype first = ++i;
        if (text.size() - first < 1 || text.size() - first > 8)
            return std::nullopt;
        quint32 value = 0;
        for (; i < text.size(); ++i) {
            const int digit = hexDigitValue(text[i]);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<quint32>(digit);
        }
        // Eight digits are a 32-bit pattern: $FFFFFFFF is -1.
        return static_cast<int>(value);
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i >= text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        value = value * 10 + (u - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}
