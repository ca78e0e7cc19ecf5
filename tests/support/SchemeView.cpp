// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/SchemeView.h"

#include "core/ColorNotation.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"

#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleOptionSlider>

SchemeView SchemeView::of(const TColor_Scan& w)
{
    SchemeView v;
    const TLabel* summaries[] = {w.LblBGSum, w.LblTextSum, w.LblLinkSum, w.LblVlinkSum};
    const TLabel* samples[] = {w.LblText, w.LblLink, w.LblVLink};
    const TEdit* hex[] = {w.EditRedHex, w.EditGreenHex, w.EditBlueHex};
    const TEdit* decimal[] = {w.EditRedDec, w.EditGreenDec, w.EditBlueDec};
    const TScrollBar* bars[] = {w.ScrollRed, w.ScrollGreen, w.ScrollBlue};
    for (int i = 0; i < 4; ++i)
        v.summaries[i] = summaries[i]->caption();
    v.tile = w.ColorPanel->color();
    for (int i = 0; i < 3; ++i) {
        v.sampleBackgrounds[i] = samples[i]->color();
        v.sampleFonts[i] = samples[i]->fontColor();
        v.hex[i] = hex[i]->text();
        v.decimal[i] = decimal[i]->text();
        v.levels[i] = bars[i]->position();
    }
    v.working = w.LblColor->caption();
    v.active = ActiveProperty;
    return v;
}

std::ostream& operator<<(std::ostream& out, const SchemeView& v)
{
    out << "{sums";
    for (const QString& s : v.summaries)
        out << ' ' << s.toStdString();
    out << std::hex << "; tile " << v.tile << "; backgrounds";
    for (TColor c : v.sampleBackgrounds)
        out << ' ' << c;
    out << "; fonts";
    for (TColor c : v.sampleFonts)
        out << ' ' << c;
    out << std::dec << "; hex";
    for (const QString& s : v.hex)
        out << ' ' << s.toStdString();
    out << "; dec";
    for (const QString& s : v.decimal)
        out << ' ' << s.toStdString();
    out << "; levels";
    for (int l : v.levels)
        out << ' ' << l;
    return out << "; working " << v.working.toStdString() << "; active " << QString(v.active).toStdString() << '}';
}

void expectInvariantAtRest(const TColor_Scan& w)
{
    using namespace notation;
    const SchemeView v = SchemeView::of(w);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(v.hex[i], hexBoxText(v.levels[i])) << "hex box " << i;
    EXPECT_EQ(v.working, v.hex[0] + v.hex[1] + v.hex[2]);
    const TColor composed = rgbColor(v.levels[0], v.levels[1], v.levels[2]);
    const QString letters = QStringLiteral("BTLV");
    const qsizetype slot = letters.indexOf(v.active);
    ASSERT_GE(slot, 0) << "no attribute is active";
    EXPECT_EQ(v.summaries[slot], v.working);
    EXPECT_EQ(slot == 0 ? v.tile : v.sampleFonts[slot - 1], composed);
}

QRect scrollBarPart(const TScrollBar* bar, int subControl)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, static_cast<QStyle::SubControl>(subControl), bar);
}
