// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Edit.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/ScrollBar.h"
#include "platform/SpeedButton.h"
#include "platform/Timer.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.DoCreate();
        w.TmrSplash->setEnabled(false);
    }

    TColor_Scan w;
};

struct Expected {
    const char* name;
    TControl* control;
    QWidget* parent;
    int left, top, width, height;
    const char* caption;
    const char* hint;
};

TEST_F(MainWindowTest, EveryControlStandsWhereDesignedWithItsCaptionAndHint)
{
    const char* copy = "Double-Click here to copy to clipboard!";
    const Expected expected[] = {
        {"PnlMain", w.PnlMain, w.client(), 0, 0, 412, 320, "", ""},
        {"PanelSB", w.PanelSB, w.PnlMain, -1, 1, 128, 25, "", ""},
        {"ColorPanel", w.ColorPanel, w.PnlMain, 32, 32, 345, 137, "", "Press Mouse Button here for Custom Colors!"},
        {"GBProperty", w.GBProperty, w.PnlMain, 288, 184, 89, 97, "Property", ""},
        {"PanelDigit", w.PanelDigit, w.PnlMain, 1, 294, 410, 25, "", "Current Scheme."},
        {"LblText", w.LblText, w.ColorPanel, 48, 32, 231, 16, "This is how regular text will appear.",
            "Basic text colors."},
        {"LblLink", w.LblLink, w.ColorPanel, 48, 56, 188, 16, "This is how links will appear.",
            "The color of places yet to be explored."},
        {"LblVLink", w.LblVLink, w.ColorPanel, 48, 80, 236, 16, "This is how visited links will appear.",
            "The color of places you have already visted."},
        {"HexLbl", w.HexLbl, w.PnlMain, 200, 176, 26, 16, "Hex", "Hexagonal value."},
        {"DecLbl", w.DecLbl, w.PnlMain, 240, 176, 25, 16, "Dec", "Decimal Value."},
        {"LabelRedSlide", w.LabelRedSlide, w.PnlMain, 29, 196, 26, 16, "Red", ""},
        {"LabelGreenSlide", w.LabelGreenSlide, w.PnlMain, 19, 227, 39, 16, "Green", ""},
        {"LabelBlueSlide", w.LabelBlueSlide, w.PnlMain, 28, 259, 30, 16, "Blue", ""},
        {"ScrollRed", w.ScrollRed, w.PnlMain, 64, 192, 121, 25, "", "Change Red color level."},
        {"ScrollGreen", w.ScrollGreen, w.PnlMain, 64, 224, 121, 25, "", "Change Green color level."},
        {"ScrollBlue", w.ScrollBlue, w.PnlMain, 64, 256, 121, 25, "", "Change Blue color level."},
        {"EditRedHex", w.EditRedHex, w.PnlMain, 200, 192, 26, 25, "00", "Red hexadecimal value."},
        {"EditGreenHex", w.EditGreenHex, w.PnlMain, 200, 224, 26, 25, "00", "Green hexadecimal value."},
        {"EditBlueHex", w.EditBlueHex, w.PnlMain, 200, 256, 26, 25, "00", "Blue hexadecimal value."},
        {"EditRedDec", w.EditRedDec, w.PnlMain, 240, 192, 33, 24, "0", "Red decimal value."},
        {"EditGreenDec", w.EditGreenDec, w.PnlMain, 240, 224, 33, 24, "0", "Green decimal value."},
        {"EditBlueDec", w.EditBlueDec, w.PnlMain, 240, 256, 33, 24, "0", "Blue decimal value."},
        {"LblColor", w.LblColor, w.PnlMain, 176, 8, 48, 16, "000000", ""},
        // Room for the bold caption and its focus box inside the group's frame.
        {"RBBGColor", w.RBBGColor, w.GBProperty, 8, 17, 79, 19, "BGColor", "Change background color."},
        {"RBText", w.RBText, w.GBProperty, 8, 37, 57, 17, "Text", "Change text color."},
        {"RBLink", w.RBLink, w.GBProperty, 8, 57, 60, 17, "Link", "Change link color."},
        {"RBVlink", w.RBVlink, w.GBProperty, 8, 77, 60, 17, "VLink", "Change visted link color."},
        {"BGLbl", w.BGLbl, w.PanelDigit, 3, 4, 59, 13, "BGColor #", copy},
        {"LblBGSum", w.LblBGSum, w.PanelDigit, 62, 4, 43, 13, "000000", copy},
        {"TextLbl", w.TextLbl, w.PanelDigit, 121, 4, 38, 13, "Text #", copy},
        {"LblTextSum", w.LblTextSum, w.PanelDigit, 159, 4, 43, 13, "FFFFFF", copy},
        {"LinkLbl", w.LinkLbl, w.PanelDigit, 217, 4, 37, 13, "Link #", copy},
        {"LblLinkSum", w.LblLinkSum, w.PanelDigit, 254, 4, 43, 13, "008080", copy},
        {"VLinkLbl", w.VLinkLbl, w.PanelDigit, 310, 4, 45, 13, "VLink #", copy},
        {"LblVlinkSum", w.LblVlinkSum, w.PanelDigit, 355, 4, 43, 13, "00FFFF", copy},
        {"SBCopy", w.SBCopy, w.PanelSB, 2, 0, 25, 25, "", "Copy Color Schemet to Windows Clipboard."},
        {"SBPaste", w.SBPaste, w.PanelSB, 27, 0, 25, 25, "", "Paste colors from clipboard."},
        {"SBColor", w.SBColor, w.PanelSB, 52, 0, 25, 25, "", "View custom colors."},
        {"SBHelp", w.SBHelp, w.PanelSB, 77, 0, 25, 25, "", "Help.  What's going on here?"},
        {"SBQuit", w.SBQuit, w.PanelSB, 102, 0, 25, 25, "", "Bye! Bye!"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.control->widget().parentWidget(), e.parent);
        EXPECT_EQ(e.control->widget().geometry(), QRect(e.left, e.top, e.width, e.height));
        EXPECT_EQ(e.control->caption(), QLatin1String(e.caption));
        EXPECT_EQ(e.control->hint(), QLatin1String(e.hint));
    }
}

TEST_F(MainWindowTest, NoCaptionOfTheFixedLayoutIsClipped)
{
    for (TLabel* label : w.findChildren<TLabel*>()) {
        SCOPED_TRACE(label->caption().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->caption()), label->width());
        EXPECT_LE(metrics.ascent(), label->height());
    }
    for (TRadioButton* button : w.findChildren<TRadioButton*>()) {
        SCOPED_TRACE(button->caption().toStdString());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->caption();
        const QRect text = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        // The ink, not the advance: a bitmap glyph's advance ends in a blank column.
        EXPECT_LE(QFontMetrics(button->font()).boundingRect(button->caption()).right(), text.width());
    }
}

// The caption with its focus box, where the style draws them.
QRect focusBoxOf(const TRadioButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->caption();
    option.state |= QStyle::State_HasFocus;
    return button->style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, button);
}

TEST_F(MainWindowTest, BoldCaptionAndItsFocusBoxStayInsideTheButtonAndTheGroupFrame)
{
    ASSERT_TRUE(showAndActivate(w));
    for (TRadioButton* button : {w.RBBGColor, w.RBText, w.RBLink, w.RBVlink}) {
        SCOPED_TRACE(button->caption().toStdString());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->caption();
        const QRect contents = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        const QRect text = button->style()->itemTextRect(
            QFontMetrics(button->font()), contents, Qt::AlignLeft | Qt::AlignVCenter, true, button->caption());
        // The ink, a pixel short of the edge; the box a pixel around the text.
        EXPECT_LT(contents.left() + QFontMetrics(button->font()).boundingRect(button->caption()).right(),
            button->width() - 1);
        EXPECT_TRUE(button->rect().contains(text.adjusted(-1, -1, 1, 1)))
            << "no room for the focus box around the caption";
        EXPECT_TRUE(button->rect().contains(focusBoxOf(button)));
        // The frame's lines are the group's last two columns.
        EXPECT_LT(button->geometry().right(), w.GBProperty->width() - 2) << "the button runs into the group's frame";
    }
    EXPECT_LT(w.RBBGColor->geometry().bottom(), w.RBText->geometry().top());
}

TEST_F(MainWindowTest, WindowIsFixedWithCloseBoxOnlyAndAnUndecoratedCaption)
{
    EXPECT_EQ(w.caption(), QStringLiteral("Huewise"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Huewise"));
    EXPECT_EQ(w.clientWidth(), 412);
    EXPECT_EQ(w.clientHeight(), 320);
    EXPECT_FALSE(w.windowIcon().isNull());
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    ASSERT_TRUE(showAndActivate(w));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "the window must not be resizable";
    EXPECT_EQ(w.client()->size(), QSize(412, 320));
}

TEST_F(MainWindowTest, DesignedStateShowsTheDefaultScheme)
{
    EXPECT_EQ(ActiveProperty, u'B');
    EXPECT_TRUE(w.RBBGColor->checked());
    EXPECT_FALSE(w.RBText->checked() || w.RBLink->checked() || w.RBVlink->checked());
    EXPECT_FALSE(w.LblColor->isVisibleTo(&w));
    EXPECT_EQ(w.ColorPanel->color(), clBlack);
    const struct {
        TLabel* sample;
        TColor fontColor;
        bool underline;
    } samples[] = {{w.LblText, clWhite, false}, {w.LblLink, clTeal, true}, {w.LblVLink, clAqua, true}};
    for (const auto& s : samples) {
        EXPECT_EQ(s.sample->color(), clBlack);
        EXPECT_EQ(s.sample->fontColor(), s.fontColor);
        EXPECT_TRUE(s.sample->font().bold());
        EXPECT_EQ(s.sample->font().underline(), s.underline);
        EXPECT_TRUE(s.sample->showHint());
        EXPECT_FALSE(s.sample->parentShowHint());
    }
    for (TScrollBar* bar : {w.ScrollRed, w.ScrollGreen, w.ScrollBlue}) {
        EXPECT_EQ(bar->min(), 0);
        EXPECT_EQ(bar->max(), 255);
        EXPECT_EQ(bar->position(), 0);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 16);
    }
    // The boxes take typed values; a hex box has room for "#RRGGBB".
    for (TEdit* edit : {w.EditRedHex, w.EditGreenHex, w.EditBlueHex, w.EditRedDec, w.EditGreenDec, w.EditBlueDec})
        EXPECT_FALSE(edit->isReadOnly());
    EXPECT_EQ(w.EditRedHex->maxLength(), 7);
    EXPECT_EQ(w.EditBlueDec->maxLength(), 3);
    EXPECT_EQ(w.TmrSplash->interval(), 5000);
    EXPECT_TRUE(TColor_Scan().TmrSplash->enabled()) << "the hand-over timer runs from creation";
}

TEST_F(MainWindowTest, OnlyBGColorIsBold)
{
    EXPECT_TRUE(w.RBBGColor->font().bold());
    EXPECT_EQ(w.RBBGColor->fontColor(), clBlack);
    for (TRadioButton* button : {w.RBText, w.RBLink, w.RBVlink})
        EXPECT_FALSE(button->font().bold()) << button->caption().toStdString();
    // Drawn differently too, not just flagged.
    const QFontMetrics bold(w.RBBGColor->font());
    const QFontMetrics plain(w.RBText->font());
    EXPECT_NE(bold.horizontalAdvance(QStringLiteral("Text")), plain.horizontalAdvance(QStringLiteral("Text")));
}

TEST_F(MainWindowTest, TabCyclesThroughTheCheckedButtonTheThreeBarsAndThenTheBoxes)
{
    ASSERT_TRUE(showAndActivate(w));
    w.RBBGColor->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.RBBGColor);
    // The boxes come after the bars, a column at a time.
    const QWidget* expected[] = {w.ScrollRed, w.ScrollGreen, w.ScrollBlue, w.EditRedHex, w.EditGreenHex, w.EditBlueHex,
        w.EditRedDec, w.EditGreenDec, w.EditBlueDec, w.RBBGColor, w.ScrollRed};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    // After choosing another attribute, that button is the stop instead.
    QTest::mouseClick(w.RBLink, Qt::LeftButton, {}, QPoint(6, 8));
    w.EditBlueDec->setFocus();
    QTest::keyClick(w.EditBlueDec, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.RBLink);
}

TEST_F(MainWindowTest, ClickOnASampleLineIsNotAClickOnTheTile)
{
    ASSERT_TRUE(showAndActivate(w));
    int tileClicks = 0;
    w.ColorPanel->OnClick = [&](QObject*) { ++tileClicks; };
    QTest::mouseClick(w.LblText, Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseClick(w.LblVLink, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(tileClicks, 0);
    QTest::mouseClick(w.ColorPanel, Qt::LeftButton, {}, QPoint(10, 120));
    EXPECT_EQ(tileClicks, 1);
}

TEST_F(MainWindowTest, ToolBarButtonsCarryTheirGlyphs)
{
    const struct {
        TSpeedButton* button;
        int images;
    } buttons[] = {{w.SBCopy, 2}, {w.SBPaste, 2}, {w.SBColor, 4}, {w.SBHelp, 2}, {w.SBQuit, 4}};
    for (const auto& b : buttons)
        EXPECT_EQ(b.button->numGlyphs(), b.images) << b.button->hint().toStdString();
}

TEST(MainWindowMenus, HoldTheirItemsInOrderWithTheDesignedCheckMarks)
{
    // As designed: the creation handler has not loaded the stored options yet.
    TColor_Scan w;
    struct Item {
        const char* caption;
        const char* hint;
        bool checked;
    };
    const struct {
        TMenuItem* menu;
        const char* caption;
        const char* hint;
        std::vector<Item> items;
    } menus[] = {
        {w.FileMnu, "&File", "Open Custom Color File.",
            {{"&New", "Reset custom colors.", false}, {"&Open...", "Load custom color file.", false},
                {"&Save", "Save Custom Color File.", false}, {"Save &As...", "Create New Custom Color File.", false},
                {"-", "", false}, {"E&xit", "Bye Bye!", false}}},
        {w.Edit1, "&Edit", "",
            {{"&Copy Scheme", "Copy Color Scheme to Clipboard.", false},
                {"&Paste Scheme", "Paste Color Scheme from Clipboard.", false}, {"C&ustom Color", "", false},
                {"-", "", false}, {"Copy &Background", "Copy Background Color to Clipboard.", false},
                {"Copy &Text", "Copy Text Color to Clipboard.", false},
                {"Copy &Link", "Copy Link Color to Clipboard.", false},
                {"Copy &VLink", "Copy VLink Color to Clipboard.", false}}},
        {w.OptionsMnu, "&Options", "",
            {{"&Hint Balloons", "", false}, {"&Save Settings", "", true}, {"&ToolBar", "", true}}},
        {w.Help1, "&Help", "", {{"&Usage", "", false}, {"&About...", "", false}}},
    };
    const std::vector<TMenuItem*>& bar = w.MainMenu->items();
    ASSERT_EQ(bar.size(), std::size(menus));
    for (std::size_t m = 0; m < std::size(menus); ++m) {
        const auto& menu = menus[m];
        EXPECT_EQ(bar[m], menu.menu);
        EXPECT_EQ(menu.menu->caption(), QLatin1String(menu.caption));
        EXPECT_EQ(menu.menu->hint(), QLatin1String(menu.hint));
        EXPECT_EQ(w.MainMenu->bar()->actions().at(static_cast<int>(m)), menu.menu->action());
        // Our own additions may follow, after a separator, at the end.
        const auto& items = menu.menu->items();
        ASSERT_GE(items.size(), menu.items.size()) << menu.caption;
        if (items.size() > menu.items.size()) {
            EXPECT_TRUE(items[menu.items.size()]->action()->isSeparator()) << menu.caption;
        }
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            SCOPED_TRACE(menu.items[i].caption);
            EXPECT_EQ(items[i]->caption(), QLatin1String(menu.items[i].caption));
            EXPECT_EQ(items[i]->hint(), QLatin1String(menu.items[i].hint));
            EXPECT_EQ(items[i]->checked(), menu.items[i].checked);
            EXPECT_EQ(items[i]->action()->isSeparator(), menu.items[i].caption == std::string("-"));
        }
    }
}

} // namespace
