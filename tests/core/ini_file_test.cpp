// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Exceptions.h"
#include "core/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TemporaryConfig.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString settingsPath()
{
    return TIniFile(QStringLiteral("Huewise.ini")).path();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class IniFileTest : public ::testing::Test {
protected:
    TemporaryConfig config;
    TIniFile ini{QStringLiteral("Huewise.ini")};
};

TEST(IniInteger, ReadsTheStoredIntegerForms)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"$0", 0},
        {"0x0", 0},
        {"1", 1},
        {"2", 2},
        {"-1", -1},
        {"0x1", 1},
        {"0x10", 16},
        {"$10", 16},
        {"0X1f", 31},
        {"  42", 42},
        {"+7", 7},
        {"-40", -40},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"true", {}},
        {"false", {}},
        {"yes", {}},
        {"", {}},
        {"12abc", {}},
        {"1.5", {}},
        {"2147483648", {}},
        {"$123456789", {}},
        {"-$10", {}},
        {"$", {}},
        {"0x", {}},
        {"12 ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(iniInteger(QLatin1String(c.text)), c.value) << c.text;
}

TEST_F(IniFileTest, BooleansAreIntegersThatAreNotZeroWithTheDefaultForTheRest)
{
    const struct {
        const char* stored;
        bool value;
    } cases[] = {{"0", false}, {"$0", false}, {"0x0", false}, {"1", true}, {"2", true}, {"-1", true}, {"0x1", true},
        {"true", true}, {"false", true}, {"yes", true}, {"", true}};
    for (const auto& c : cases) {
        writeFile(settingsPath(), QByteArray("[Options]\nHints=") + c.stored + '\n');
        EXPECT_EQ(ini.ReadBool(QStringLiteral("Options"), QStringLiteral("Hints"), true), c.value) << c.stored;
    }
}

TEST_F(IniFileTest, WritesKeepEverythingElseWhereItStands)
{
    writeFile(settingsPath(), "; my colours\r\n[colors]\r\nbgcolor = 123456 \r\nOther=keep\r\n\r\n[Mine]\r\nA=1\r\n");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QString()), QStringLiteral("123456"));
    ini.WriteString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QStringLiteral("ABCDEF"));
    ini.WriteString(QStringLiteral("Colors"), QStringLiteral("TEXT"), QStringLiteral("FFFFFF"));
    ini.WriteInteger(QStringLiteral("General"), QStringLiteral("X"), -40);
    EXPECT_EQ(readFile(settingsPath()),
        QByteArray("; my colours\r\n[colors]\r\nBGCOLOR=ABCDEF\r\nOther=keep\r\nTEXT=FFFFFF\r\n\r\n[Mine]\r\nA=1\r\n"
                   "[General]\r\nX=-40\r\n"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("general"), QStringLiteral("x"), 0), -40);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Colors"), QStringLiteral("LINK"), QStringLiteral("dflt")),
        QStringLiteral("dflt"));
}

TEST_F(IniFileTest, LongValuesAreReadThroughA1024ByteBuffer)
{
    ini.WriteString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QString(2000, u'A'));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QString()).size(), 1023);
}

TEST_F(IniFileTest, FolderThatCannotBeMadeFailsTheWrite)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QString blocker = QString::fromLocal8Bit(saved) + QStringLiteral("/not-a-folder");
    writeFile(blocker, "a regular file");
    qputenv("XDG_CONFIG_HOME", (blocker + QStringLiteral("/config")).toLocal8Bit());
    TIniFile blocked(QStringLiteral("Huewise.ini"));
    try {
        blocked.WriteString(QStringLiteral("Colors"), QStringLiteral("TEXT"), QStringLiteral("FFFFFF"));
        ADD_FAILURE() << "the write succeeded";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to write to Huewise.ini"));
    }
    qputenv("XDG_CONFIG_HOME", saved);
    QFile::remove(blocker);
}

TEST_F(IniFileTest, ShortWriteLeavesTheOldFileWhole)
{
    const QByteArray old = "[Colors]\nBGCOLOR=123456\n";
    writeFile(settingsPath(), old);
    EXPECT_TRUE(failsWithFileSizeLimit(
        64,
        [] {
            TIniFile(QStringLiteral("Huewise.ini"))
                .WriteString(QStringLiteral("Colors"), QStringLiteral("TEXT"), QString(500, u'F'));
        },
        QStringLiteral("Unable to write to Huewise.ini")));
    EXPECT_EQ(readFile(settingsPath()), old);
    const QStringList leftovers = QDir(QFileInfo(settingsPath()).absolutePath()).entryList(QDir::Files);
    EXPECT_EQ(leftovers, QStringList{QStringLiteral("Huewise.ini")}) << "a temporary file was left behind";
}

TEST_F(IniFileTest, SymbolicLinkKeepsPointingAtTheFileItNames)
{
    const QString real = QFileInfo(settingsPath()).absolutePath() + QStringLiteral("/kept-elsewhere.ini");
    writeFile(real, "[Colors]\n");
    ASSERT_TRUE(QFile::link(real, settingsPath()));
    ini.WriteString(QStringLiteral("Colors"), QStringLiteral("TEXT"), QStringLiteral("FFFFFF"));
    EXPECT_TRUE(QFileInfo(settingsPath()).isSymLink());
    EXPECT_EQ(readFile(real), QByteArray("[Colors]\nTEXT=FFFFFF\n"));
    QFile::remove(real);
}
} // namespace
