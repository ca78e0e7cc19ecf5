#include "windows/Colr_frm/Colr_frm.h"

#include "art/ProgramArt.h"
#include "platform/ColorDialog.h"
#include "platform/Edit.h"
#include "platform/FileDialog.h"
#include "platform/Fonts.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/ScrollBar.h"
#include "platform/SpeedButton.h"
#include "platform/Timer.h"

namespace {

struct Placement {
    TControl* control;
    int left, top, width, height;
    const char* caption;
    const char* hint;
};

void place(std::initializer_list<Placement> placements)
{
    for (const Placement& p : placements) {
        p.control->setBounds(p.left, p.top, p.width, p.height);
        p.control->setCaption(QString::fromLatin1(p.caption));
        p.control->setHint(QString::fromLatin1(p.hint));
    }
}

const char* const copyHint = "Double-Click here to copy to clipboard!";

} // namespace

void TColor_Scan::applyLayout()
{
    place({
        {PnlMain, 0, 0, 412, 320, "", ""},
        {PanelSB, -1, 1, 128, 25, "", ""},
        {ColorPanel, 32, 32, 345, 137, "", "Press Mouse Button here for Custom Colors!"},
        {GBProperty, 288, 184, 89, 97, "Property", ""},
        {PanelDigit, 1, 294, 410, 25, "", "Current Scheme."},

        {LblText, 48, 32, 231, 16, "This is how regular text will appear.", "Basic text colors."},
        {LblLink, 48, 56, 188, 16, "This is how links will appear.",
            "The color of places yet to be explored."},
        {LblVLink, 48, 80, 236, 16, "This is how visited links will appear.",
            "The color of places you have already visted."},

        {HexLbl, 200, 176, 26, 16, "Hex", "Hexagonal value."},
        {DecLbl, 240, 176, 25, 16, "Dec", "Decimal Value."},
        {LabelRedSlide, 29, 196, 26, 16, "Red", ""},
        {LabelGreenSlide, 19, 227, 39, 16, "Green", ""},
        {LabelBlueSlide, 28, 259, 30, 16, "Blue", ""},
        {ScrollRed, 64, 192, 121, 25, "", "Change Red color level."},
        {ScrollGreen, 64, 224, 121, 25, "", "Change Green color level."},
        {ScrollBlue, 64, 256, 121, 25, "", "Change Blue color level."},
        {EditRedHex, 200, 192, 26, 25, "00", "Red hexadecimal value."},
        {EditGreenHex, 200, 224, 26, 25, "00", "Green hexadecimal value."},
        {EditBlueHex, 200, 256, 26, 25, "00", "Blue hexadecimal value."},
        {EditRedDec, 240, 192, 33, 24, "0", "Red decimal value."},
        {EditGreenDec, 240, 224, 33, 24, "0", "Green decimal value."},
        {EditBlueDec, 240, 256, 33, 24, "0", "Blue decimal value."},
        {LblColor, 176, 8, 48, 16, "000000", ""},

        {RBBGColor, 8, 18, 73, 17, "BGColor", "Change background color."},
        {RBText, 8, 37, 57, 17, "Text", "Change text color."},
        {RBLink, 8, 57, 60, 17, "Link", "Change link color."},
        {RBVlink, 8, 77, 60, 17, "VLink", "Change visted link color."},

        {BGLbl, 3, 4, 59, 13, "BGColor #", copyHint},
        {LblBGSum, 62, 4, 43, 13, "000000", copyHint},
        {TextLbl, 121, 4, 38, 13, "Text #", copyHint},
        {LblTextSum, 159, 4, 43, 13, "FFFFFF", copyHint},
        {LinkLbl, 217, 4, 37, 13, "Link #", copyHint},
        {LblLinkSum, 254, 4, 43, 13, "008080", copyHint},
        {VLinkLbl, 310, 4, 45, 13, "VLink #", copyHint},
        {LblVlinkSum, 355, 4, 43, 13, "00FFFF", copyHint},

        {SBCopy, 2, 0, 25, 25, "", "Copy Color Schemet to Windows Clipboard."},
        {SBPaste, 27, 0, 25, 25, "", "Paste colors from clipboard."},
        {SBColor, 52, 0, 25, 25, "", "View custom colors."},
        {SBHelp, 77, 0, 25, 25, "", "Help.  What's going on here?"},
        {SBQuit, 102, 0, 25, 25, "", "Bye! Bye!"},
    });
}

void TColor_Scan::applyLook()
{
    setCaption(QStringLiteral("Huewise"));
    setWindowIcon(programIcon());
    setBorderStyle(TBorderStyle::bsSingle);
    setPosition(TPosition::poDefault);
    setClientWidth(412);
    setClientHeight(320);
    move(273, 222);
    setFont(makeFont(QStringLiteral("System"), 13, fsRegular));
    setFontColor(clWindowText);
    setShowHint(true);

    PnlMain->setAlign(TAlign::alClient);
    PnlMain->setBevelOuter(TBevelCut::bvLowered);
    PanelSB->setBevelOuter(TBevelCut::bvNone);
    ColorPanel->setColor(clBlack);
    ColorPanel->setBevelOuter(TBevelCut::bvRaised);
    ColorPanel->setShowHint(true);
    PanelDigit->setBevelOuter(TBevelCut::bvRaised);
    PanelDigit->setBevelInner(TBevelCut::bvLowered);

    const struct {
        TLabel* label;
        TColor fontColor;
        int styles;
    } samples[] = {
        {LblText, clWhite, fsBold},
        {LblLink, clTeal, fsBold | fsUnderline},
        {LblVLink, clAqua, fsBold | fsUnderline},
    };
    for (const auto& sample : samples) {
        sample.label->setFont(makeFont(QStringLiteral("System"), 13, sample.styles));
        sample.label->setColor(clBlack);
        sample.label->setFontColor(sample.fontColor);
        sample.label->setShowHint(true);
    }

    const struct {
        TLabel* label;
        TColor fontColor;
    } channels[] = {{LabelRedSlide, clRed}, {LabelGreenSlide, clLime}, {LabelBlueSlide, clBlue}};
    for (const auto& channel : channels) {
        channel.label->setAlignment(TAlignment::taRightJustify);
        channel.label->setColor(clBtnFace);
        channel.label->setFont(makeFont(QStringLiteral("System"), 13, fsBold));
        channel.label->setFontColor(channel.fontColor);
    }

    for (TScrollBar* bar : {ScrollRed, ScrollGreen, ScrollBlue}) {
        bar->setMin(0);
        bar->setMax(255);
        bar->setPosition(0);
    }
    for (TEdit* edit : {EditRedHex, EditGreenHex, EditBlueHex, EditRedDec, EditGreenDec, EditBlueDec}) {
        edit->setReadOnly(true);
        edit->setTabStop(TTabStop::No);
    }
    for (TEdit* edit : {EditRedHex, EditGreenHex, EditBlueHex})
        edit->setMaxLength(2);
    for (TEdit* edit : {EditRedDec, EditGreenDec, EditBlueDec})
        edit->setMaxLength(3);
    LblColor->setVisible(false);

    RBBGColor->setChecked(true);
    RBBGColor->setFont(makeFont(QStringLiteral("System"), 11, fsBold));
    RBBGColor->setFontColor(clBlack);

    const QFont stripFont = makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold);
    for (TLabel* label : {BGLbl, LblBGSum, TextLbl, LblTextSum, LinkLbl, LblLinkSum, VLinkLbl, LblVlinkSum}) {
        label->setColor(clBtnFace);
        label->setFont(stripFont);
        label->setFontColor(clBlack);
    }

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
    // Only the checked attribute button and the three bars are Tab stops;
    // the panels, the group and the read-outs never take the focus by Tab.
    QWidget* order[] = {RBBGColor, RBText, RBLink, RBVlink, ScrollRed, ScrollGreen, ScrollBlue};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
