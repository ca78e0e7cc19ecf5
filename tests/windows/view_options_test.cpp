// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "core/IniFile.h"
#include "platform/Application.h"
#include "platform/Edit.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/SpeedButton.h"
#include "platform/Timer.h"
#include "support/ModalAnswer.h"
#include "support/ShowWindow.h"
#include "windows/About/About.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Help_frm/Help_frm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

namespace {

QString settingsPath()
{
    return TIniFile(QStringLiteral("Huewise.ini")).path();
}

class ViewOptionsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Application->Reset();
        QFile::remove(settingsPath());
        QToolTip::hideText();
    }

    static void startWith(const QByteArray& settings)
    {
        QFile::remove(settingsPath());
        if (!settings.isEmpty()) {
            QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
            QFile file(settingsPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(settings);
        }
        createProgramWindows(*Application);
        Color_Scan->TmrSplash->tick();
        ASSERT_TRUE(showAndActivate(*Color_Scan));
    }

    static std::vector<TControl*> hinted(TColor_Scan& w)
    {
        return {w.ColorPanel, w.LblText, w.LblLink, w.LblVLink, w.ScrollRed, w.ScrollGreen, w.ScrollBlue, w.EditRedHex,
            w.EditGreenHex, w.EditBlueHex, w.EditRedDec, w.EditGreenDec, w.EditBlueDec, w.RBBGColor, w.RBText, w.RBLink,
            w.RBVlink, w.BGLbl, w.TextLbl, w.LinkLbl, w.VLinkLbl, w.LblBGSum, w.LblTextSum, w.LblLinkSum, w.LblVlinkSum,
            w.PanelDigit, w.SBCopy, w.SBPaste, w.SBColor, w.SBHelp, w.SBQuit, w.HexLbl, w.DecLbl};
    }

    // The tool-tip event Qt sends when the mouse rests on a control.
    static QString balloonOf(TControl* control)
    {
        QWidget& widget = control->widget();
        const QPoint at(2, 2);
        QHelpEvent event(QEvent::ToolTip, at, widget.mapToGlobal(at));
        QApplication::sendEvent(&widget, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    static std::map<std::string, int> tops(TColor_Scan& w)
    {
        std::map<std::string, int> t;
        const std::pair<const char*, TControl*> controls[] = {{"ColorPanel", w.ColorPanel},
            {"GBProperty", w.GBProperty}, {"LabelRedSlide", w.LabelRedSlide}, {"LabelGreenSlide", w.LabelGreenSlide},
            {"LabelBlueSlide", w.LabelBlueSlide}, {"ScrollRed", w.ScrollRed}, {"ScrollGreen", w.ScrollGreen},
            {"ScrollBlue", w.ScrollBlue}, {"HexLbl", w.HexLbl}, {"DecLbl", w.DecLbl}, {"EditRedHex", w.EditRedHex},
            {"EditRedDec", w.EditRedDec}, {"EditGreenHex", w.EditGreenHex}, {"EditGreenDec", w.EditGreenDec},
            {"EditBlueHex", w.EditBlueHex}, {"EditBlueDec", w.EditBlueDec}, {"PanelDigit", w.PanelDigit},
            {"PanelSB", w.PanelSB}, {"LblColor", w.LblColor}};
        for (const auto& [name, control] : controls)
            t[name] = control->top();
        return t;
    }
};

TEST_F(ViewOptionsTest, StoredToolBarOffStartsWithTheToolBarHidden)
{
    startWith("[Options]\nToolBar=0\n");
    TColor_Scan& w = *Color_Scan;
    EXPECT_FALSE(w.PanelSB->isVisible());
    EXPECT_EQ(w.ColorPanel->top(), 7);
    EXPECT_EQ(w.GBProperty->top(), 159);
    EXPECT_EQ(w.PanelDigit->top(), 269);
    EXPECT_EQ(w.client()->size(), QSize(412, 295));
    EXPECT_EQ(w.PnlMain->widget().size(), QSize(412, 295));
    EXPECT_FALSE(w.ToolBarMnu->checked());
}

TEST_F(ViewOptionsTest, NoFileGivesTheDesignedLayoutAndTwoSwitchesComeBackExactly)
{
    startWith({});
    TColor_Scan& w = *Color_Scan;
    EXPECT_TRUE(w.PanelSB->isVisible());
    EXPECT_EQ(w.ColorPanel->top(), 32);
    EXPECT_EQ(w.clientHeight(), 320);
    const auto designed = tops(w);

    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_T));
    EXPECT_FALSE(w.ToolBarMnu->checked());
    EXPECT_EQ(w.clientHeight(), 295);
    auto hidden = tops(w);
    for (const auto& [name, top] : designed) {
        const int expected = name == "PanelSB" || name == "LblColor" ? top : top - 25;
        EXPECT_EQ(hidden[name], expected) << name;
    }

    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_T));
    EXPECT_TRUE(w.ToolBarMnu->checked());
    EXPECT_TRUE(w.PanelSB->isVisible());
    EXPECT_EQ(w.clientHeight(), 320);
    EXPECT_EQ(tops(w), designed);
}

TEST_F(ViewOptionsTest, StoredHintsOffShowsNoBalloonUntilSwitchedOn)
{
    startWith("[Options]\nHints=0\n");
    TColor_Scan& w = *Color_Scan;
    EXPECT_FALSE(w.HlpHints->checked());
    QToolTip::hideText();
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    for (TControl* control : hinted(w))
        EXPECT_EQ(balloonOf(control), QString()) << control->hint().toStdString();

    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_H));
    EXPECT_TRUE(w.HlpHints->checked());
    for (TControl* control : hinted(w)) {
        ASSERT_FALSE(control->hint().isEmpty());
        EXPECT_EQ(balloonOf(control), control->hint());
    }
    // Controls without a hint of their own show none in either state.
    QToolTip::hideText();
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    EXPECT_EQ(balloonOf(w.LabelRedSlide), QString());
}

TEST_F(ViewOptionsTest, AStoredColourErrorLeavesTheOptionsAsDesigned)
{
    ModalAnswer errorBox([](QWidget* box) { ModalAnswer::pressButton(box, QStringLiteral("OK")); });
    startWith("[Colors]\nBGCOLOR=zzzzzz\n[Options]\nToolBar=0\nHints=0\n");
    EXPECT_TRUE(errorBox.answered());
    TColor_Scan& w = *Color_Scan;
    EXPECT_FALSE(w.ToolBarMnu->checked()) << "the check mark shows the stored option";
    EXPECT_TRUE(w.PanelSB->isVisible());
    EXPECT_EQ(w.clientHeight(), 320);
    EXPECT_TRUE(w.SBCopy->showHint());
}

TEST_F(ViewOptionsTest, HelpAndAboutOpenModelesslyAndTheMainWindowKeepsWorking)
{
    startWith({});
    TColor_Scan& w = *Color_Scan;
    QTest::mouseClick(w.SBHelp, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_TRUE(HelpForm->isVisible());
    THelpForm* const first = HelpForm;
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_H, Qt::Key_U));
    EXPECT_EQ(HelpForm, first);
    EXPECT_EQ(QApplication::topLevelWidgets().count(HelpForm), 1);
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_H, Qt::Key_A));
    EXPECT_TRUE(AboutBox->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a window opened modally";

    // The sliders still answer while both are open.
    w.ScrollRed->setFocus();
    QTest::keyClick(w.ScrollRed, Qt::Key_End);
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("FF0000"));

    HelpForm->close();
    AboutBox->close();
    EXPECT_FALSE(HelpForm->isVisible());
    EXPECT_FALSE(Application->terminated()) << "closing an information window ended the program";
}

} // namespace
