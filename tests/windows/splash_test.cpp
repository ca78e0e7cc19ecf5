// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Timer.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Splash/Splash.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScreen>
#include <QTest>

namespace {

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override { splash.DoCreate(); }
    TFormSplash splash;
};

TEST_F(SplashTest, IsVisibleFramelessOnTopAndCentredFromCreation)
{
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.clientWidth(), 310);
    EXPECT_EQ(splash.clientHeight(), 113);
    EXPECT_EQ(splash.size(), QSize(310, 113));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.caption(), QStringLiteral("Huewise"));
    EXPECT_FALSE(splash.windowIcon().isNull());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash.x(), (screen.width() - 310) / 2);
    EXPECT_EQ(splash.y(), (screen.height() - 113) / 2);
    EXPECT_EQ(splash.Panel1->geometry(), QRect(0, 0, 310, 113));
}

TEST_F(SplashTest, ControlsStandWhereDesigned)
{
    EXPECT_EQ(splash.ProgramIcon->geometry(), QRect(8, 8, 96, 96));
    EXPECT_FALSE(splash.ProgramIcon->pixmap().isNull());
    EXPECT_EQ(splash.LblVersion->geometry(), QRect(174, 42, 55, 51));
    EXPECT_EQ(splash.LblVersion->caption(), QStringLiteral("1.3"));
    EXPECT_EQ(splash.LblVersion->font().pixelSize(), 44);
    EXPECT_FALSE(splash.LblVersion->font().bold());
    EXPECT_EQ(splash.LblVersion->fontColor(), clBlack);
    EXPECT_FALSE(splash.LblVersion->transparent());
    EXPECT_EQ(splash.LblAuthor->geometry(), QRect(136, 90, 123, 16));
    EXPECT_TRUE(splash.LblAuthor->font().bold());
    EXPECT_EQ(splash.LblAuthor->fontColor(), clBlue);
    EXPECT_FALSE(splash.LblAuthor->caption().isEmpty());
    EXPECT_LE(QFontMetrics(splash.LblAuthor->font()).horizontalAdvance(splash.LblAuthor->caption()), 123);
}

TEST_F(SplashTest, LettersSpellTheNameInTheirColours)
{
    const struct {
        TLabel* label;
        const char* letter;
        TColor color;
    } letters[] = {
        {splash.Label1, "H", 8388863},
        {splash.Label4, "u", 16744576},
        {splash.Label5, "e", 16711808},
        {splash.Label6, "w", 14155776},
        {splash.Label7, "i", 13631696},
        {splash.Label8, "s", 10526720},
        {splash.Label9, "e", 0x000000FF},
    };
    int nextLeft = 112;
    for (const auto& l : letters) {
        SCOPED_TRACE(l.letter);
        EXPECT_EQ(l.label->caption(), QLatin1String(l.letter));
        EXPECT_EQ(l.label->fontColor(), l.color);
        EXPECT_TRUE(l.label->transparent());
        EXPECT_EQ(l.label->top(), -2);
        EXPECT_EQ(l.label->height(), 54);
        const QFont font = l.label->font();
        EXPECT_TRUE(font.bold() && font.italic());
        EXPECT_EQ(font.pixelSize(), 48);
        const int advance = QFontMetrics(font).horizontalAdvance(l.label->caption());
        EXPECT_EQ(l.label->left(), nextLeft) << "letters must join into one word";
        EXPECT_GE(l.label->width(), advance);
        nextLeft += advance;
    }
    EXPECT_LE(nextLeft, 310);
}

TEST_F(SplashTest, VersionTextCyclesThroughThirtyTwoColours)
{
    EXPECT_EQ(splash.color(), 0);
    EXPECT_EQ(splash.TmrColor->interval(), 100);
    EXPECT_TRUE(splash.TmrColor->enabled());
    const std::map<int, TColor> expected = {{1, 527600}, {2, 1055200}, {31, 16355600}, {32, 0}, {33, 527600}};
    for (int tick = 1; tick <= 33; ++tick) {
        splash.TmrColor->tick();
        EXPECT_EQ(splash.LblVersion->fontColor(), splash.color());
        if (auto it = expected.find(tick); it != expected.end()) {
            EXPECT_EQ(splash.color(), it->second) << "tick " << tick;
        }
    }
}

TEST_F(SplashTest, TimerTicksOnItsOwnInTheLoop)
{
    QTest::qWait(450);
    EXPECT_GT(splash.color(), 0);
    EXPECT_EQ(splash.color() % TFormSplash::colorStep, 0);
}

// The program's own splash, with the main window waiting behind it.
class SplashHandOverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createProgramWindows(*Application);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FormSplash));
    }
    void TearDown() override { Application->Reset(); }

    static void expectHandedOver()
    {
        EXPECT_FALSE(FormSplash->isVisible());
        EXPECT_TRUE(Color_Scan->isVisible());
        EXPECT_FALSE(Color_Scan->TmrSplash->enabled()) << "the hand-over could come again";
        EXPECT_FALSE(FormSplash->TmrColor->enabled());
    }
};

TEST_F(SplashHandOverTest, AClickAnywhereOnTheSplashHandsOverAtOnce)
{
    // The picture, the version text, a letter and the bare panel each take the click.
    const char* const targets[] = {"picture", "version", "letter", "panel"};
    for (const char* const& target : targets) {
        SCOPED_TRACE(target);
        Application->Reset();
        createProgramWindows(*Application);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FormSplash));
        EXPECT_FALSE(Color_Scan->isVisible());
        // The targets are those of this run's splash: look them up again.
        QWidget* const now[] = {
            FormSplash->ProgramIcon, FormSplash->LblVersion, FormSplash->Label5, FormSplash->Panel1};
        QWidget* at = now[&target - targets];
        QTest::mouseClick(at, Qt::LeftButton, {}, at == FormSplash->Panel1 ? QPoint(300, 5) : QPoint(3, 10));
        expectHandedOver();
    }
}

TEST_F(SplashHandOverTest, AnyKeyOnTheSplashHandsOverAtOnce)
{
    QApplication::setActiveWindow(FormSplash);
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormSplash));
    EXPECT_FALSE(Color_Scan->isVisible());
    QTest::keyClick(FormSplash, Qt::Key_Space);
    expectHandedOver();
    // A second key, now on the hidden splash, changes nothing.
    QTest::keyClick(FormSplash, Qt::Key_Return);
    EXPECT_TRUE(Color_Scan->isVisible());
}

TEST_F(SplashHandOverTest, WithoutAClickOrKeyTheMainWindowWaitsForTheTimer)
{
    QTest::qWait(400);
    EXPECT_TRUE(FormSplash->isVisible());
    EXPECT_FALSE(Color_Scan->isVisible());
    EXPECT_EQ(Color_Scan->TmrSplash->interval(), 5000);
    EXPECT_TRUE(Color_Scan->TmrSplash->enabled());
}

} // namespace
