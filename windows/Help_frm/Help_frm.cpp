// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Help_frm/Help_frm.h"

#include "art/ProgramArt.h"
#include "platform/Design.h"
#include "platform/Fonts.h"
#include "platform/Memo.h"
#include "platform/TabbedNotebook.h"

#include <QProxyStyle>
#include <QTabBar>
#include <span>

THelpForm* HelpForm = nullptr;

namespace {

// The texts keep their blanks: the indents are the pages' only layout, and
// some lines end in the blank the author typed before breaking them.
const char* const introLines[] = {
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
};

const char* const mainLines[] = {
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
};

const char* const customLines[] = {
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
};

const char* const cutAndPasteLines[] = {
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
};

const char* const aboutLines[] = {
    "We wrote Huewise because we were tired of guessing at hex digits",
    "and reloading the browser until a page's colors looked right.",
    "Now we slide, look and copy; we hope it spares you the same",
    "trial and error it spared us.",
    "",
    "Huewise is free: use it, copy it and give it away, as long as",
    "you charge nothing for it. It comes with no warranty of any",
    "kind; you use it at your own risk.",
    "",
    "E-mail: huewise@example.org",
    "Home page: https://huewise.example.org",
    "The Huewise team",
    "12 Palette Lane",
    "Colourton CT1 2AB",
};

// What the five pages above do not cover: what came after them.
const char* const moreLines[] = {
    "Contrast Check (Options menu) shows how well each pair of colors",
    "reads: text needs 4.5:1 for AA and 7:1 for AAA, and links need",
    "3:1 against the text when they are not underlined.",
    "Copy Scheme as CSS (Edit menu) copies the colors as style rules.",
    "",
    "Typing values: click a Hex or Dec box, type, then press Enter or",
    "Tab. Esc puts the old value back. A Hex box also takes a whole",
    "color: #336699, 336699 or #369.",
    "",
    "Keys: Ctrl+C copy, Ctrl+V paste, Ctrl+Shift+C copy as CSS,",
    "F1 help, Ctrl+N, Ctrl+O, Ctrl+S and Ctrl+Shift+S color files,",
    "Ctrl+Q exit. Sliders: arrows 1, PgUp and PgDn 16, Home and End.",
    "",
    "Paste takes a BODY tag or any text with BGCOLOR, TEXT, LINK or",
    "VLINK values, as in TEXT=\"#000080\". A Hex or Dec box takes",
    "a value or a whole color pasted into it.",
};

// Tabs with less room beside their captions, so that six fit the window.
class TightTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value * 2 / 3 : value;
    }
};

struct Page {
    const char* caption;
    TMemo* THelpForm::*memo;
    std::span<const char* const> lines;
};

const Page pages[] = {
    {"Introduction", &THelpForm::MemoIntro, introLines},
    {"Main Form", &THelpForm::MemoMain, mainLines},
    {"Custom Colors", &THelpForm::MemoCsutom, customLines},
    {"Cut && Paste", &THelpForm::MemoCnP, cutAndPasteLines},
    {"About", &THelpForm::MemoAbout, aboutLines},
    {"More", &THelpForm::MemoMore, moreLines},
};

} // namespace

THelpForm::THelpForm()
{
    createControls();
    applyDesign();
}

void THelpForm::createControls()
{
    TabbedNotebook = new TTabbedNotebook(client());
    for (const Page& page : pages)
        this->*page.memo = new TMemo(TabbedNotebook->addPage(QString::fromLatin1(page.caption)));
}

void THelpForm::applyDesign()
{
    ::applyDesign(*this,
        {
            .caption = QStringLiteral("HelpForm"),
            .icon = programIcon(),
            .borderStyle = TBorderStyle::bsDialog,
            .position = TPosition::poScreenCenter,
            .clientWidth = 405,
            .clientHeight = 238,
            .font = {"MS Sans Serif", 11, fsBold},
        },
        {});

    closeOnEscape(*this);
    TabbedNotebook->setAlign(TAlign::alClient);
    // TabsPerRow 4 has no counterpart: Qt's tab bar keeps one row and adds
    // scroll arrows when the tabs do not fit; all six fit this width when
    // set a little tighter.
    TabbedNotebook->setTabFont(makeFont(QStringLiteral("MS Sans Serif"), 11, fsRegular));
    auto* tabs = new TightTabs;
    tabs->setParent(TabbedNotebook->tabBar());
    TabbedNotebook->tabBar()->setStyle(tabs);
    for (const Page& page : pages) {
        TMemo* memo = this->*page.memo;
        memo->setAlign(TAlign::alClient);
        QStringList lines;
        for (const char* line : page.lines)
            lines << QString::fromLatin1(line);
        memo->setLines(lines);
    }
    TabbedNotebook->setCurrentIndex(0);
}
