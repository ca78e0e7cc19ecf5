#include "windows/Colr_frm/Colr_frm.h"

#include "core/ColorNotation.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "core/SysUtils.h"

using namespace notation;

TColor TColor_Scan::sliderColor() const
{
    return rgbColor(ScrollRed->position(), ScrollGreen->position(), ScrollBlue->position());
}

void TColor_Scan::applyToActiveProperty()
{
    if (ActiveProperty == u'B')
        SetBGColor();
    else if (ActiveProperty == u'L')
        SetLinkColor();
    else if (ActiveProperty == u'T')
        SetTextColor();
    else if (ActiveProperty == u'V')
        SetVLinkColor();
}

void TColor_Scan::SetBGColor()
{
    LblBGSum->setCaption(LblColor->caption());
    ColorPanel->setColor(sliderColor());
    // The sample lines are painted on the page background.
    for (TLabel* sample : {LblText, LblLink, LblVLink})
        sample->setColor(ColorPanel->color());
    schemeChanged();
}

void TColor_Scan::setSampleFontColor(TLabel* sample, TLabel* summary)
{
    sample->setFontColor(sliderColor());
    summary->setCaption(LblColor->caption());
    schemeChanged();
}

void TColor_Scan::SetTextColor()
{
    setSampleFontColor(LblText, LblTextSum);
}

void TColor_Scan::SetLinkColor()
{
    setSampleFontColor(LblLink, LblLinkSum);
}

void TColor_Scan::SetVLinkColor()
{
    setSampleFontColor(LblVLink, LblVlinkSum);
}

void TColor_Scan::scrollChannel(TScrollBar* bar, TEdit* hexBox, TEdit* decimalBox)
{
    hexBox->setText(hexBoxText(bar->position()));
    decimalBox->setText(decimalBoxText(bar->position()));
    LblColor->setCaption(workingColor(EditRedHex->text(), EditGreenHex->text(), EditBlueHex->text()));
    applyToActiveProperty();
}

void TColor_Scan::ScrollRedScroll(QObject*, TScrollCode, int&)
{
    scrollChannel(ScrollRed, EditRedHex, EditRedDec);
}

void TColor_Scan::ScrollGreenScroll(QObject*, TScrollCode, int&)
{
    scrollChannel(ScrollGreen, EditGreenHex, EditGreenDec);
}

void TColor_Scan::ScrollBlueScroll(QObject*, TScrollCode, int&)
{
    scrollChannel(ScrollBlue, EditBlueHex, EditBlueDec);
}

void TColor_Scan::loadAttribute(QChar letter, TColor value, TLabel* summary)
{
    ActiveProperty = letter;
    LblColor->setCaption(colorValueText(value));
    // The summary takes the colour's own scheme value, in upper case,
    // whatever text it held before.
    summary->setCaption(swapPairs(LblColor->caption()));
    LblColor->setCaption(summary->caption());

    const HexBoxes hex = hexBoxes(LblColor->caption());
    const struct {
        TEdit* hexBox;
        const QString& hexText;
        TScrollBar* bar;
        int level;
        TEdit* decimalBox;
    } channels[] = {
        {EditRedHex, hex.red, ScrollRed, redOf(value), EditRedDec},
        {EditGreenHex, hex.green, ScrollGreen, greenOf(value), EditGreenDec},
        {EditBlueHex, hex.blue, ScrollBlue, blueOf(value), EditBlueDec},
    };
    for (const auto& channel : channels) {
        channel.hexBox->setText(channel.hexText);
        channel.bar->setPosition(channel.level);
        channel.decimalBox->setText(IntToStr(channel.bar->position()));
    }
}

void TColor_Scan::RBBGColorClick(QObject*)
{
    loadAttribute(u'B', ColorPanel->color(), LblBGSum);
}

void TColor_Scan::RBTextClick(QObject*)
{
    loadAttribute(u'T', LblText->fontColor(), LblTextSum);
}

void TColor_Scan::RBLinkClick(QObject*)
{
    loadAttribute(u'L', LblLink->fontColor(), LblLinkSum);
}

void TColor_Scan::RBVlinkClick(QObject*)
{
    loadAttribute(u'V', LblVLink->fontColor(), LblVlinkSum);
}
