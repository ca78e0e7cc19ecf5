// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "core/IniFile.h"
#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/Timer.h"
#include "support/ModalAnswer.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Splash/Splash.h"

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
    EXPECT_EQ(Color_Scan->StartupSnapshot.Colors[slotIndex(SchemeSlot::BGCOLOR)], QStringLiteral("FFF"));
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
