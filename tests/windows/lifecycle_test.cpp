// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/BitBtn.h"
#include "platform/Menu.h"
#include "platform/SpeedButton.h"
#include "platform/Timer.h"
#include "support/ShowWindow.h"
#include "windows/About/About.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Help_frm/Help_frm.h"
#include "windows/Splash/Splash.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

namespace {

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override { createProgramWindows(*Application); }
    void TearDown() override { Application->Reset(); }

    static void handOver()
    {
        Color_Scan->TmrSplash->tick();
        ASSERT_TRUE(Color_Scan->isVisible());
        ASSERT_TRUE(showAndActivate(*Color_Scan));
    }
};

TEST_F(LifecycleTest, StartupCreatesFourWindowsAndShowsOnlyTheSplash)
{
    EXPECT_EQ(Application->title(), QStringLiteral("Huewise32"));
    EXPECT_EQ(Application->mainForm(), FormSplash);
    ASSERT_NE(dynamic_cast<TColor_Scan*>(Color_Scan), nullptr);
    ASSERT_NE(dynamic_cast<THelpForm*>(HelpForm), nullptr);
    ASSERT_NE(dynamic_cast<TAboutBox*>(AboutBox), nullptr);
    EXPECT_EQ(HelpForm->caption(), QStringLiteral("HelpForm"));
    EXPECT_EQ(AboutBox->caption(), QStringLiteral("About"));
    EXPECT_TRUE(FormSplash->isVisible());
    QTest::qWait(300);
    EXPECT_FALSE(Color_Scan->isVisible()) << "the main window showed before the hand-over";
    EXPECT_FALSE(HelpForm->isVisible());
    EXPECT_FALSE(AboutBox->isVisible());
    EXPECT_TRUE(FormSplash->isVisible());
    EXPECT_EQ(ActiveProperty, u'B');
    for (TForm* form : std::initializer_list<TForm*>{FormSplash, Color_Scan, HelpForm, AboutBox})
        EXPECT_FALSE(form->windowIcon().isNull()) << form->caption().toStdString();
}

class VariableProbe;
VariableProbe* probeVariable = nullptr;
TForm* seenByCreationHandler = nullptr;

class VariableProbe : public TForm {
public:
    VariableProbe()
    {
        OnCreate = [](QObject*) { seenByCreationHandler = probeVariable; };
    }
};

TEST_F(LifecycleTest, WindowVariableIsFilledBeforeItsCreationHandlerRuns)
{
    Application->CreateForm(probeVariable);
    ASSERT_NE(probeVariable, nullptr);
    EXPECT_EQ(seenByCreationHandler, probeVariable);
}

TEST_F(LifecycleTest, HandOverHappensOnceAndStopsBothTimers)
{
    handOver();
    EXPECT_FALSE(FormSplash->isVisible());
    EXPECT_TRUE(Color_Scan->isVisible());
    EXPECT_FALSE(FormSplash->TmrColor->enabled());
    EXPECT_FALSE(Color_Scan->TmrSplash->enabled());
    EXPECT_EQ(Application->mainForm(), FormSplash) << "the splash stays the main form, hidden";

    const TColor colourAtHandOver = FormSplash->color();
    QTest::qWait(350);
    EXPECT_EQ(FormSplash->color(), colourAtHandOver) << "the colour timer still ticks";
    EXPECT_FALSE(FormSplash->isVisible()) << "a second hand-over happened";
}

TEST_F(LifecycleTest, ExitQuitAndTheCloseBoxAllEndThroughFormClose)
{
    const struct {
        const char* way;
        std::function<void()> close;
    } ways[] = {
        {"File, Exit", [] { ASSERT_TRUE(chooseFromMenu(*Color_Scan, Qt::Key_F, Qt::Key_X)); }},
        {"Quit button", [] { QTest::mouseClick(Color_Scan->SBQuit, Qt::LeftButton, {}, QPoint(12, 12)); }},
        {"close box", [] { Color_Scan->close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        Application->Reset();
        createProgramWindows(*Application);
        handOver();
        int closeHandlerRuns = 0;
        Color_Scan->OnClose = [&](QObject* sender, TCloseAction& action) {
            ++closeHandlerRuns;
            Color_Scan->FormClose(sender, action);
        };
        way.close();
        EXPECT_EQ(closeHandlerRuns, 1);
        EXPECT_TRUE(Application->terminated()) << "closing the splash window did not end the program";
        EXPECT_FALSE(Color_Scan->isVisible());
    }
}

TEST_F(LifecycleTest, ClosingTheSplashEndsTheProgramWithoutTheMainCloseHandler)
{
    int closeHandlerRuns = 0;
    Color_Scan->OnClose = [&](QObject*, TCloseAction&) { ++closeHandlerRuns; };
    FormSplash->close();
    EXPECT_TRUE(Application->terminated());
    EXPECT_EQ(closeHandlerRuns, 0);
}

// In the running program: neither window is the main one, so closing them
// leaves it running.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { createProgramWindows(*Application); }
    void TearDown() override { Application->Reset(); }
};

TEST_F(ProgramTest, ClosingTheHelpWindowOrTheAboutBoxKeepsTheProgramRunning)
{
    ASSERT_TRUE(showAndActivate(*HelpForm));
    HelpForm->close();
    EXPECT_FALSE(HelpForm->isVisible());

    ASSERT_TRUE(showAndActivate(*AboutBox));
    QTest::mouseClick(AboutBox->OKButton, Qt::LeftButton);
    EXPECT_FALSE(AboutBox->isVisible());

    EXPECT_FALSE(Application->terminated());
    EXPECT_TRUE(FormSplash->isVisible());
}

} // namespace
