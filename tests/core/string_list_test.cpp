// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StringList.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(ColorFileLines, SplitAtEveryKindOfLineEndUpToANul)
{
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"", {}},
        {QByteArray("a\0b\nc", 5), {"a"}},
        {" ColorA= FF \r\n", {" ColorA= FF "}},
        {"\xe9t\xe9\n", {QString::fromLatin1("\xe9t\xe9")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitTextLines(c.bytes), c.lines) << c.bytes.toStdString();
}

TEST(ColorFileWrite, ShortWriteKeepsTheOldFileAndSaysSo)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("scheme.clr"));
    writeFile(path, "ColorA=FFFFFF\r\n");
    TStringList list;
    for (int i = 0; i < 20; ++i)
        list.add(QStringLiteral("ColorB=123456"));
    EXPECT_TRUE(failsWithFileSizeLimit(
        32, [&] { list.SaveToFile(path); }, QStringLiteral("Stream write error")));
    EXPECT_EQ(readFile(path), QByteArray("ColorA=FFFFFF\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"scheme.clr"});
}

} // namespace
