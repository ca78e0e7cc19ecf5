// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/BitBtn.h"
#include "platform/Fonts.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Memo.h"
#include "platform/Panel.h"
#include "platform/TabbedNotebook.h"
#include "support/QtPrinters.h"
#include "support/ShowWindow.h"
#include "windows/About/About.h"
#include "windows/Help_frm/Help_frm.h"
#include "windows/Splash/Splash.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <vector>

namespace {

QString displayedTabText(TTabbedNotebook& notebook, int index)
{
    // What Qt itself reports as shown, after its handling of "&".
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(notebook.tabBar());
    QAccessibleInterface* tab = bar ? bar->child(index) : nullptr;
    return tab ? tab->text(QAccessible::Name) : QString();
}

void clickTab(TTabbedNotebook& notebook, int index)
{
    QTest::mouseClick(notebook.tabBar(), Qt::LeftButton, {}, notebook.tabBar()->tabRect(index).center());
}

class HelpTest : public ::testing::Test {
protected:
    THelpForm help;
};

TEST_F(HelpTest, PagesShowTheirCaptionsAndEveryLineExactly)
{
    const struct {
        const char* caption;
        TMemo* memo;
        std::vector<const char*> lines;
    } pages[] = {
        {"Introduction", help.MemoIntro,
            {
                "",
                "Welcome to Huewise 1.3 for Windows 95/NT",
                "",
                "This program has been designed to help you quickly generate",
                "the hexadecimal color values needed in HTML documents.",
                "",
                "Features include:",
                "",
                "   * Ability to store 16 custom colors.",
                "   * Able to paste BODY tag from windows clipbard.",
                "   * Able to copy displayed color's hex digit to clipbard.",
                "   * It's FREE!",
            }},
        {"Main Form", help.MemoMain,
            {
                "Screen Items:",
                "  * Scroll bars - Used to change the color values of the color tile.",
                "  * Hex Boxes - Indicate the hexdecimal value for each color.",
                "  * Dec Boxes - Indicate the decimal value for each color.",
                "  * Value Box - This box contains the hexadecimal color values.",
                "  * Color Tile - Display of the current color scheme.",
                "  * Speed buttons - Copy, Paste, Custom Colors, Help & Quit.",
                "  * Color Sliders - Sets the RGB color values.",
                "  * Property Buttons - Select the attribute to change.",
                "",
                "Screen Functions:",
                "  * Color Tile - Click once to pull up custom color creator.",
                "  * Value Box - Double click to copy hex digit to clipboard.",
                "  * File Menu - Used to create, load or clear custom color settings.",
            }},
        {"Custom Colors", help.MemoCsutom,
            {
                "This dialog box allows you to choose a color to copy back to the ",
                "main form.  There is a set of basic colors as well as section for up ",
                "to 16 custom colors you can define yourself.",
                "",
                "To create a custom color you must:",
                "  1. Select the location in the custom color section to store color",
                "  2. Choose location on color pallete close to desired color",
                "  3. Pick from color bar on right of screen the desired color",
                "  4. Click Add to Custom Colors or Double Click color under pallete",
                "      (I suggest you double click solid side for best results)",
                "",
                "To copy color to main form hit OK otherwise hit CANCEL.",
                "",
                "Note: You can save and load custom colors from main menu!",
            }},
        {"Cut & Paste", help.MemoCnP,
            {
                "To make your editing as easy as possible I have added copy ",
                "features to my Huewise.  With a simple click of the mouse, ",
                "you can copy the HTML strings to set your color properties to the ",
                "windows clipboard.  Then all you have to do to add your newly",
                "created color scheme to your HTML work in progress is to paste",
                "this string into the BODY section of you HTML document.",
                "",
                "There are two ways to copy your colors:",
                "1. You can copy the entire motif by clicking the copy speed button",
                "2. You can double click any of the properties at the bottom to copy ",
                "    just that value.",
                "",
                "To paste your color scheme from an existing HTML work you must",
                "copy you BODY tag to the clipbard then hit the paste speed button.",
            }},
        // Our own texts: only their shape is given.
        {"About", help.MemoAbout, {}},
        {"More", help.MemoMore, {}},
    };
    TTabbedNotebook& notebook = *help.TabbedNotebook;
    ASSERT_EQ(notebook.count(), 6);
    EXPECT_EQ(notebook.currentIndex(), 0);
    for (int page = 0; page < 6; ++page) {
        const auto& p = pages[page];
        SCOPED_TRACE(p.caption);
        EXPECT_EQ(displayedTabText(notebook, page), QLatin1String(p.caption));
        EXPECT_EQ(p.memo->parentWidget(), notebook.page(page));
        const QStringList lines = p.memo->lines();
        if (p.lines.empty())
            continue;
        ASSERT_EQ(lines.size(), qsizetype(p.lines.size()));
        for (size_t line = 0; line < p.lines.size(); ++line)
            EXPECT_EQ(lines[line], QLatin1String(p.lines[line])) << "line " << line + 1;
    }

    // A note of four lines, the terms in three, the contact details in five.
    const QStringList about = help.MemoAbout->lines();
    ASSERT_EQ(about.size(), 14);
    for (int line = 0; line < 14; ++line)
        EXPECT_EQ(about[line].isEmpty(), line == 4 || line == 8) << "line " << line + 1;
    EXPECT_TRUE(about.contains(QStringLiteral("E-mail: huewise@example.org")));
    EXPECT_TRUE(about.contains(QStringLiteral("Home page: https://huewise.example.org")));

    // The sixth page names what the five leave out.
    const QString more = help.MemoMore->lines().join(u' ');
    for (const char* topic : {"Contrast Check", "Copy Scheme as CSS", "Typing values", "Enter", "Esc", "#336699",
             "Ctrl+C", "Ctrl+V", "Ctrl+Shift+C", "F1", "Ctrl+Q", "Ctrl+Shift+S", "PgUp", "Paste takes a BODY tag"})
        EXPECT_TRUE(more.contains(QLatin1String(topic))) << topic;
}

TEST_F(HelpTest, MemosAreReadOnlyWrappedInTheBoldFontAndFillTheirPagesWithTheWholeText)
{
    ASSERT_TRUE(showAndActivate(help));
    TTabbedNotebook& notebook = *help.TabbedNotebook;
    EXPECT_EQ(notebook.geometry(), help.client()->rect());
    TMemo* const memos[] = {
        help.MemoIntro, help.MemoMain, help.MemoCsutom, help.MemoCnP, help.MemoAbout, help.MemoMore};
    ASSERT_EQ(notebook.count(), 6);
    for (int page = 0; page < 6; ++page) {
        clickTab(notebook, page);
        ASSERT_EQ(notebook.currentIndex(), page);
        TMemo* memo = memos[page];
        SCOPED_TRACE(memo->lines().value(1).toStdString());
        EXPECT_TRUE(memo->isVisible());
        EXPECT_EQ(memo->geometry(), notebook.page(page)->rect());
        EXPECT_GT(memo->width(), 380);
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_FALSE(memo->verticalScrollBar()->isVisible());
        // With no scroll bar to reach it, no line may fall below the bottom.
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(memo->font(), help.font());
        EXPECT_TRUE(memo->font().bold());

        // Every line of the pages fits the width: none is broken.
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }

    // A line wider than the page wraps at a blank instead of running off it.
    clickTab(notebook, 3);
    const QString longLine = help.MemoCnP->lines().mid(0, 2).join(QString());
    ASSERT_GT(QFontMetrics(help.MemoCnP->font()).horizontalAdvance(longLine), help.MemoCnP->viewport()->width());
    help.MemoCnP->setLines({longLine});
    QTextLayout* layout = help.MemoCnP->document()->begin().layout();
    ASSERT_EQ(layout->lineCount(), 2);
    const QTextLine first = layout->lineAt(0);
    EXPECT_EQ(longLine.at(first.textStart() + first.textLength() - 1), u' ');
    EXPECT_EQ(help.MemoCnP->verticalScrollBar()->maximum(), 0);
}

TEST_F(HelpTest, TabsUseTheRegularFontAndAllFitOneRow)
{
    ASSERT_TRUE(showAndActivate(help));
    QTabBar* bar = help.TabbedNotebook->tabBar();
    const QFont expected = makeFont(QStringLiteral("MS Sans Serif"), 11, fsRegular);
    EXPECT_EQ(bar->font().family(), expected.family());
    EXPECT_EQ(bar->font().pixelSize(), expected.pixelSize());
    EXPECT_FALSE(bar->font().bold());
    const QFontMetrics metrics(bar->font());
    for (int tab = 0; tab < bar->count(); ++tab) {
        const QString shown = displayedTabText(*help.TabbedNotebook, tab);
        SCOPED_TRACE(shown.toStdString());
        EXPECT_GE(bar->tabRect(tab).width(), metrics.horizontalAdvance(shown));
        EXPECT_EQ(bar->tabRect(tab).top(), bar->tabRect(0).top()) << "one row";
    }
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width() - 1) << "the last tab is cut off";
    EXPECT_LE(bar->width(), help.clientWidth());
}

TEST_F(HelpTest, EscapeClosesItLikeTheCloseBox)
{
    ASSERT_TRUE(showAndActivate(help));
    clickTab(*help.TabbedNotebook, 5);
    // The focus on the page's text, where a reader leaves it.
    help.MemoMore->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    ASSERT_TRUE(showAndActivate(help));
    EXPECT_EQ(help.TabbedNotebook->currentIndex(), 5);
}

TEST_F(HelpTest, KeepsTheChosenPageFromOneShowingToTheNext)
{
    ASSERT_TRUE(showAndActivate(help));
    ASSERT_EQ(help.TabbedNotebook->currentIndex(), 0);
    clickTab(*help.TabbedNotebook, 3);
    ASSERT_EQ(help.TabbedNotebook->currentIndex(), 3);
    // The close box, as the window manager delivers it.
    help.close();
    EXPECT_FALSE(help.isVisible());
    ASSERT_TRUE(showAndActivate(help));
    EXPECT_EQ(help.TabbedNotebook->currentIndex(), 3);
    EXPECT_TRUE(help.MemoCnP->isVisible());
    EXPECT_EQ(help.MemoCnP->geometry(), help.TabbedNotebook->page(3)->rect());
}

} // namespace
