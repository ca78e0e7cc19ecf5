#include "Colr_frm/Colr_frm.h"
#include "Splash/Splash.h"
#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/Timer.h"
#include "support/FileSizeLimit.h"
#include "support/ModalAnswer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>


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
    void SetUp() override { QFile::remove(settingsPath()); }
    void TearDown() override { QFile::remove(settingsPath()); }
    TIniFile ini{QStringLiteral("Huewise.ini")};
};

TEST(IniInteger, ReadsTheStoredIntegerForms)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0}, {"$0", 0}, {"0x0", 0}, {"1", 1}, {"2", 2}, {"-1", -1}, {"0x1", 1}, {"0x10", 16}, {"$10", 16},
        {"0X1f", 31}, {"  42", 42}, {"+7", 7}, {"-40", -40}, {"$FFFFFFFF", -1}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"true", {}}, {"false", {}}, {"yes", {}}, {"", {}}, {"12abc", {}},
        {"1.5", {}}, {"2147483648", {}}, {"$123456789", {}}, {"-$10", {}}, {"$", {}}, {"0x", {}}, {"12 ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(iniInteger(QLatin1String(c.text)), c.value) << c.text;
}

TEST_F(IniFileTest, BooleansAreIntegersThatAreNotZeroWithTheDefaultForTheRest)
{
    const struct {
        const char* stored;
        bool value;
    } cases[] = {{"0", false}, {"$0", false}, {"0x0", false}, {"1", true}, {"2", true}, {"-1", true},
        {"0x1", true}, {"true", true}, {"false", true}, {"yes", true}, {"", true}};
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

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(settingsPath()); }
    void TearDown() override
    {
        Application->Reset();
        QFile::remove(settingsPath());
    }
    static void start() { createProgramWindows(*Application); }
};

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndClosingWritesAllNineKeys)
{
    start();
    EXPECT_EQ(Color_Scan->pos(), QPoint(0, 0));
    EXPECT_EQ(Color_Scan->LblBGSum->caption(), QStringLiteral("000000"));
    EXPECT_EQ(Color_Scan->LblVlinkSum->caption(), QStringLiteral("00FFFF"));
    EXPECT_TRUE(Color_Scan->HlpHints->checked());
    EXPECT_TRUE(Color_Scan->ToolBarMnu->checked());
    EXPECT_TRUE(Color_Scan->SaveSettings->checked());
    Color_Scan->close();
    EXPECT_TRUE(Application->terminated());
    EXPECT_EQ(readFile(settingsPath()),
        QByteArray("[Colors]\nBGCOLOR=000000\nTEXT=FFFFFF\nLINK=008080\nVLINK=00FFFF\n"
                   "[Options]\nHints=1\nToolBar=1\nSaveSettings=1\n[General]\nX=0\nY=0\n"));
}

TEST_F(SettingsTest, StoredSchemeAndPositionComeBack)
{
    writeFile(settingsPath(), "[Colors]\nBGCOLOR=ffffcc\nTEXT=000080\n[General]\nX=-40\nY=0x10\n");
    start();
    EXPECT_EQ(Color_Scan->pos(), QPoint(-40, 16));
    EXPECT_EQ(Color_Scan->LblBGSum->caption(), QStringLiteral("FFFFCC")) << "the reader's handler rewrites it";
    EXPECT_EQ(Color_Scan->ColorPanel->color(), 0xCCFFFF);
    EXPECT_EQ(Color_Scan->LblText->fontColor(), 0x800000);
    EXPECT_EQ(Color_Scan->LblTextSum->caption(), QStringLiteral("000080"));
}

TEST_F(SettingsTest, SaveSettingsOffWritesTheSnapshotAndLeavesToolBarAlone)
{
    writeFile(settingsPath(), "[Colors]\nBGCOLOR=00000012\n[Options]\nToolBar=0x0\n[General]\nX=5\n");
    start();
    EXPECT_EQ(Color_Scan->LblBGSum->caption(), QStringLiteral("000000"));
    Color_Scan->SaveSettings->action()->trigger();
    EXPECT_FALSE(Color_Scan->SaveSettings->checked());
    Color_Scan->LblTextSum->setCaption(QStringLiteral("123456"));
    Color_Scan->move(100, 100);
    Color_Scan->close();
    EXPECT_EQ(readFile(settingsPath()),
        QByteArray("[Colors]\nBGCOLOR=000000\nTEXT=FFFFFF\nLINK=008080\nVLINK=00FFFF\n[Options]\nToolBar=0x0\n"
                   "Hints=1\nSaveSettings=0\n[General]\nX=5\nY=0\n"));
}

TEST_F(SettingsTest, StoredColourTheReaderRejectsShowsItsErrorAndTheWindowStillComesUp)
{
    writeFile(settingsPath(), "[Colors]\nBGCOLOR=FFF\n");
    ShownBox box;
    {
        ModalAnswer answer([&](QWidget* modal) {
            box = readBox(modal);
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        start();
    }
    EXPECT_EQ(box.text, QStringLiteral("'$EXFTFF' is not a valid integer value."));
    ASSERT_NE(Color_Scan, nullptr);
    EXPECT_EQ(Color_Scan->LblBGSum->caption(), QStringLiteral("FFFTEX"));
    EXPECT_EQ(Color_Scan->ColorPanel->color(), clBlack);
    EXPECT_EQ(Color_Scan->LblText->fontColor(), clWhite);
    EXPECT_EQ(Color_Scan->StartupSnapshot.BGCOLOR, QStringLiteral("FFF"));
}

TEST_F(SettingsTest, FailedWriteAtCloseKeepsTheProgramRunning)
{
    start();
    Color_Scan->TmrSplash->tick();
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QString blocker = QString::fromLocal8Bit(saved) + QStringLiteral("/blocker");
    writeFile(blocker, "x");
    qputenv("XDG_CONFIG_HOME", (blocker + QStringLiteral("/config")).toLocal8Bit());
    ShownBox box;
    {
        ModalAnswer answer([&](QWidget* modal) {
            box = readBox(modal);
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        Color_Scan->close();
    }
    qputenv("XDG_CONFIG_HOME", saved);
    QFile::remove(blocker);
    EXPECT_EQ(box.text, QStringLiteral("Unable to write to Huewise.ini."));
    EXPECT_FALSE(Application->terminated());
    EXPECT_TRUE(Color_Scan->isVisible());
}

} // namespace
