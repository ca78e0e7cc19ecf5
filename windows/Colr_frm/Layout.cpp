// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "art/ProgramArt.h"
#include "core/ColorNotation.h"
#include "core/TypedValue.h"
#include "platform/ColorDialog.h"
#include "platform/Design.h"
#include "platform/Edit.h"
#include "platform/FileDialog.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/ScrollBar.h"
#include "platform/SpeedButton.h"
#include "platform/Timer.h"

namespace {

const QString copyHint = QStringLiteral("Double-Click here to copy to clipboard!");
constexpr TFontDesign systemBold{"System", 13, fsBold};
constexpr TFontDesign stripFont{"MS Sans Serif", 11, fsBold};

QString designed(SchemeSlot slot)
{
    return defaultSchemeValue(slot);
}

TColor designedColor(SchemeSlot slot)
{
    return notation::colorValue(defaultSchemeValue(slot));
}

} // namespace

void TColor_Scan::applyDesign()
{
    using S = SchemeSlot;
    const TColor page = designedColor(S::BGCOLOR);
    ::applyDesign(*this,
        {
            .caption = QStringLiteral("Huewise"),
            .icon = programIcon(),
            .borderStyle = TBorderStyle::bsSingle,
            .position = TPosition::poDefault,
            .clientWidth = 412,
            .clientHeight = 320,
            .font = {"System", 13},
            .fontColor = clWindowText,
        },
        {
            {PnlMain, {0, 0, 412, 320}},
            {PanelSB, {-1, 1, 128, 25}},
            {ColorPanel, {32, 32, 345, 137}, {}, "Press Mouse Button here for Custom Colors!", {}, page},
            {GBProperty, {288, 184, 89, 97}, "Property"},
            {PanelDigit, {1, 294, 410, 25}, {}, "Current Scheme."},

            {LblText, {48, 32, 231, 16}, "This is how regular text will appear.", "Basic text colors.", systemBold,
                page, designedColor(S::TEXT)},
            {LblLink, {48, 56, 188, 16}, "This is how links will appear.", "The color of places yet to be explored.",
                TFontDesign{"System", 13, fsBold | fsUnderline}, page, designedColor(S::LINK)},
            {LblVLink, {48, 80, 236, 16}, "This is how visited links will appear.",
                "The color of places you have already visted.", TFontDesign{"System", 13, fsBold | fsUnderline}, page,
                designedColor(S::VLINK)},

            {HexLbl, {200, 176, 26, 16}, "Hex", "Hexagonal value."},
            {DecLbl, {240, 176, 25, 16}, "Dec", "Decimal Value."},
            {LabelRedSlide, {29, 196, 26, 16}, "Red", {}, systemBold, clBtnFace, clRed},
            {LabelGreenSlide, {19, 227, 39, 16}, "Green", {}, systemBold, clBtnFace, clLime},
            {LabelBlueSlide, {28, 259, 30, 16}, "Blue", {}, systemBold, clBtnFace, clBlue},
            {ScrollRed, {64, 192, 121, 25}, {}, "Change Red color level."},
            {ScrollGreen, {64, 224, 121, 25}, {}, "Change Green color level."},
            {ScrollBlue, {64, 256, 121, 25}, {}, "Change Blue color level."},
            {EditRedHex, {200, 192, 26, 25}, "00", "Red hexadecimal value."},
            {EditGreenHex, {200, 224, 26, 25}, "00", "Green hexadecimal value."},
            {EditBlueHex, {200, 256, 26, 25}, "00", "Blue hexadecimal value."},
            {EditRedDec, {240, 192, 33, 24}, "0", "Red decimal value."},
            {EditGreenDec, {240, 224, 33, 24}, "0", "Green decimal value."},
            {EditBlueDec, {240, 256, 33, 24}, "0", "Blue decimal value."},
            {LblColor, {176, 8, 48, 16}, "000000"},

            // Wider and taller than the 73 x 17 it was measured for, which
            // cut the bold caption at its last letter and its focus box at
            // the edges; the caption stays where it was.
            {RBBGColor, {8, 17, 79, 19}, "BGColor", "Change background color.", TFontDesign{"System", 11, fsBold}, {},
                clBlack},
            {RBText, {8, 37, 57, 17}, "Text", "Change text color."},
            {RBLink, {8, 57, 60, 17}, "Link", "Change link color."},
            {RBVlink, {8, 77, 60, 17}, "VLink", "Change visted link color."},

            {BGLbl, {3, 4, 59, 13}, "BGColor #", copyHint, stripFont, clBtnFace, clBlack},
            {LblBGSum, {62, 4, 43, 13}, designed(S::BGCOLOR), copyHint, stripFont, clBtnFace, clBlack},
            {TextLbl, {121, 4, 38, 13}, "Text #", copyHint, stripFont, clBtnFace, clBlack},
            {LblTextSum, {159, 4, 43, 13}, designed(S::TEXT), copyHint, stripFont, clBtnFace, clBlack},
            {LinkLbl, {217, 4, 37, 13}, "Link #", copyHint, stripFont, clBtnFace, clBlack},
            {LblLinkSum, {254, 4, 43, 13}, designed(S::LINK), copyHint, stripFont, clBtnFace, clBlack},
            {VLinkLbl, {310, 4, 45, 13}, "VLink #", copyHint, stripFont, clBtnFace, clBlack},
            {LblVlinkSum, {355, 4, 43, 13}, designed(S::VLINK), copyHint, stripFont, clBtnFace, clBlack},

            {SBCopy, {2, 0, 25, 25}, {}, "Copy Color Schemet to Windows Clipboard."},
            {SBPaste, {27, 0, 25, 25}, {}, "Paste colors from clipboard."},
            {SBColor, {52, 0, 25, 25}, {}, "View custom colors."},
            {SBHelp, {77, 0, 25, 25}, {}, "Help.  What's going on here?"},
            {SBQuit, {102, 0, 25, 25}, {}, "Bye! Bye!"},
        });
    move(273, 222);
    setShowHint(true);

    PnlMain->setAlign(TAlign::alClient);
    PnlMain->setBevelOuter(TBevelCut::bvLowered);
    PanelSB->setBevelOuter(TBevelCut::bvNone);
    ColorPanel->setBevelOuter(TBevelCut::bvRaised);
    ColorPanel->setShowHint(true);
    PanelDigit->setBevelOuter(TBevelCut::bvRaised);
    PanelDigit->setBevelInner(TBevelCut::bvLowered);
    for (TLabel* sample : {LblText, LblLink, LblVLink})
        sample->setShowHint(true);
    for (TLabel* channel : {LabelRedSlide, LabelGreenSlide, LabelBlueSlide})
        channel->setAlignment(TAlignment::taRightJustify);

    for (TScrollBar* bar : {ScrollRed, ScrollGreen, ScrollBlue}) {
        bar->setMin(0);
        bar->setMax(255);
        bar->setPosition(0);
    }
    // The boxes take typed values: two hex digits, or a whole colour
    // (#RRGGBB is the longest), and 0 to 255.
    for (TEdit* edit : {EditRedHex, EditGreenHex, EditBlueHex}) {
        edit->setMaxLength(7);
        edit->setRule([](const QString& text) {
            if (typed::hexLevel(text) || typed::wholeColor(text))
                return TTextCheck::Complete;
            return typed::hexEntryPrefix(text) ? TTextCheck::Partial : TTextCheck::Refused;
        });
    }
    for (TEdit* edit : {EditRedDec, EditGreenDec, EditBlueDec}) {
        edit->setMaxLength(3);
        edit->setRule([](const QString& text) {
            if (typed::decimalLevel(text))
                return TTextCheck::Complete;
            return text.isEmpty() ? TTextCheck::Partial : TTextCheck::Refused;
        });
    }
    LblColor->setVisible(false);
    RBBGColor->setChecked(true);

    const struct {
        TSpeedButton* button;
        const char* glyph;
        int images;
    } glyphs[] = {
        {SBCopy, "copy", 2},
        {SBPaste, "paste", 2},
        {SBColor, "color", 4},
        {SBHelp, "help", 2},
        {SBQuit, "quit", 4},
    };
    for (const auto& g : glyphs)
        g.button->setGlyph(QPixmap(QStringLiteral(":/glyphs/%1.xpm").arg(QLatin1String(g.glyph))), g.images);

    ColorDlg->setOptions(TColorDialogOption::cdFullOpen);
    TStringList& customColors = ColorDlg->customColors();
    for (const char* line : {"$FFFFFF", "$FF00FF", "$00FF00"})
        customColors.add(QLatin1String(line));

    for (TFileDialog* dialog : std::initializer_list<TFileDialog*>{OpenDialog, SaveDialog}) {
        dialog->setFilter(QStringLiteral("Color Files|*.clr"));
        dialog->setDefaultExt(QStringLiteral("clr"));
    }

    TmrSplash->setInterval(5000);
    TmrSplash->setEnabled(true);
}

void TColor_Scan::applyTabOrder()
{
    // Of the attribute buttons only the checked one is a Tab stop; then the
    // three bars, then the boxes a column at a time, so 33 Tab 66 Tab 99
    // fills the hex column. The panels and the group never take the focus.
    QWidget* order[] = {RBBGColor, RBText, RBLink, RBVlink, ScrollRed, ScrollGreen, ScrollBlue, EditRedHex,
        EditGreenHex, EditBlueHex, EditRedDec, EditGreenDec, EditBlueDec};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
