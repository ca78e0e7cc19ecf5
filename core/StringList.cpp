// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StringList.h"

#include "core/AtomicFile.h"
#include "core/Exceptions.h"

#include <QFile>

int TStringList::indexOfName(const QString& name) const
{
    for (int i = 0; i < count(); ++i) {
        const QString& line = lines_[i];
        const qsizetype equals = line.indexOf(u'=');
        // A view, not a copy of each name: the list may hold a large file,
        // and each opening of the colour dialog looks 32 names up in it.
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool TStringList::hasName(const QString& line)
{
    return line.contains(u'=');
}

QString TStringList::nameOf(const QString& line)
{
    return line.left(line.indexOf(u'='));
}

QString TStringList::valueOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}

QStringList splitTextLines(const QByteArray& bytes)
{
    QStringList lines;
    const qsizetype end = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    qsizetype i = 0;
    while (i < end) {
        const qsizetype start = i;
        while (i < end && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        lines << QString::fromLatin1(bytes.constData() + start, i - start);
        if (i < end && bytes[i] == '\r')
            ++i;
        if (i < end && bytes[i] == '\n')
            ++i;
    }
    return lines;
}

void TStringList::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file %1").arg(fileName));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        throw Exception(QStringLiteral("Cannot open file %1").arg(fileName));
    lines_ = splitTextLines(bytes);
}

void TStringList::SaveToFile(const QString& fileName) const
{
    QByteArray bytes;
    for (const QString& line : lines_)
        bytes += line.toLatin1() + "\r\n";
    switch (writeFileAtomically(fileName, bytes)) {
    case TAtomicWrite::Written: return;
    case TAtomicWrite::CannotCreate: throw Exception(QStringLiteral("Cannot create file %1").arg(fileName));
    case TAtomicWrite::ShortWrite: throw Exception(QStringLiteral("Stream write error"));
    }
}
