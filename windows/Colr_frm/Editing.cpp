// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "core/ColorNotation.h"
#include "core/SysUtils.h"
#include "core/TypedValue.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"

using namespace notation;

TColor TColor_Scan::sliderColor() const
{
    return rgbColor(ScrollRed->position(), ScrollGreen->position(), ScrollBlue->position());
}

TColor TColor_Scan::attributeColor(const TSchemeAttribute& attribute) const
{
    return attribute.sample ? attribute.sample->fontColor() : ColorPanel->color();
}

void TColor_Scan::showAttributeColor(const TSchemeAttribute& attribute, TColor color)
{
    if (attribute.sample) {
        attribute.sample->setFontColor(color);
        return;
    }
    ColorPanel->setColor(color);
    // The sample lines are painted on the page background.
    for (const TSchemeAttribute& other : attributes_) {
        if (other.sample)
            other.sample->setColor(ColorPanel->color());
    }
}

SchemeValues TColor_Scan::summaries() const
{
    SchemeValues values;
    for (const TSchemeAttribute& attribute : attributes_)
        values[slotIndex(attribute.slot)] = attribute.summary->caption();
    return values;
}

SchemeColors TColor_Scan::previewColors() const
{
    SchemeColors colors{};
    for (const TSchemeAttribute& attribute : attributes_)
        colors[slotIndex(attribute.slot)] = attributeColor(attribute);
    return colors;
}

void TColor_Scan::applyToActiveProperty()
{
    for (const TSchemeAttribute& attribute : attributes_) {
        if (ActiveProperty == attribute.letter) {
            (this->*attribute.setOperation)();
            return;
        }
    }
}

void TColor_Scan::applyWorkingColor(SchemeSlot slot)
{
    const TSchemeAttribute& target = attribute(slot);
    target.summary->setCaption(LblColor->caption());
    showAttributeColor(target, sliderColor());
    schemeChanged();
}

void TColor_Scan::SetBGColor()
{
    applyWorkingColor(SchemeSlot::BGCOLOR);
}

void TColor_Scan::SetTextColor()
{
    applyWorkingColor(SchemeSlot::TEXT);
}

void TColor_Scan::SetLinkColor()
{
    applyWorkingColor(SchemeSlot::LINK);
}

void TColor_Scan::SetVLinkColor()
{
    applyWorkingColor(SchemeSlot::VLINK);
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

std::array<TColor_Scan::Channel, 3> TColor_Scan::channels() const
{
    using T = TColor_Scan;
    return {{
        {ScrollRed, EditRedHex, EditRedDec, &T::ScrollRedScroll},
        {ScrollGreen, EditGreenHex, EditGreenDec, &T::ScrollGreenScroll},
        {ScrollBlue, EditBlueHex, EditBlueDec, &T::ScrollBlueScroll},
    }};
}

void TColor_Scan::moveChannelsTo(const std::array<std::optional<int>, 3>& levels)
{
    // As if each slider had been moved there: the bar first, then its own
    // scroll handler does the rest, ending the interaction where it rests.
    const auto all = channels();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (levels[i])
            all[i].bar->setPosition(*levels[i]);
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!levels[i])
            continue;
        int scrollPos = all[i].bar->position();
        (this->*all[i].scrollHandler)(all[i].bar, TScrollCode::scEndScroll, scrollPos);
    }
}

void TColor_Scan::EditHexAccept(QObject* Sender)
{
    const auto all = channels();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (Sender != all[i].hexBox)
            continue;
        const QString text = all[i].hexBox->text();
        if (const auto level = typed::hexLevel(text)) {
            std::array<std::optional<int>, 3> levels;
            levels[i] = *level;
            moveChannelsTo(levels);
        } else if (const auto color = typed::wholeColor(text)) {
            const TColor value = colorValue(*color);
            moveChannelsTo({redOf(value), greenOf(value), blueOf(value)});
        }
        return;
    }
}

void TColor_Scan::EditDecAccept(QObject* Sender)
{
    const auto all = channels();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (Sender != all[i].decimalBox)
            continue;
        if (const auto level = typed::decimalLevel(all[i].decimalBox->text())) {
            std::array<std::optional<int>, 3> levels;
            levels[i] = *level;
            moveChannelsTo(levels);
        }
        return;
    }
}

void TColor_Scan::loadAttribute(SchemeSlot slot)
{
    const TSchemeAttribute& loaded = attribute(slot);
    const TColor value = attributeColor(loaded);
    ActiveProperty = loaded.letter;
    LblColor->setCaption(colorValueText(value));
    // The summary takes the colour's own scheme value, in upper case,
    // whatever text it held before.
    loaded.summary->setCaption(swapPairs(LblColor->caption()));
    LblColor->setCaption(loaded.summary->caption());

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
    loadAttribute(SchemeSlot::BGCOLOR);
}

void TColor_Scan::RBTextClick(QObject*)
{
    loadAttribute(SchemeSlot::TEXT);
}

void TColor_Scan::RBLinkClick(QObject*)
{
    loadAttribute(SchemeSlot::LINK);
}

void TColor_Scan::RBVlinkClick(QObject*)
{
    loadAttribute(SchemeSlot::VLINK);
}
