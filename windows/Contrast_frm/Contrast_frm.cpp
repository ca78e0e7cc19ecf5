// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Contrast_frm/Contrast_frm.h"

#include "art/ProgramArt.h"
#include "core/Contrast.h"
#include "platform/Design.h"
#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/Panel.h"

namespace {

struct Pair {
    const char* caption;
    SchemeSlot foreground;
    SchemeSlot against;
    double first;
    double second; // 0: no second level
};

const Pair pairs[TContrastForm::rowCount] = {
    {"Text on background", SchemeSlot::TEXT, SchemeSlot::BGCOLOR, contrast::normalTextAA, contrast::normalTextAAA},
    {"Links on background", SchemeSlot::LINK, SchemeSlot::BGCOLOR, contrast::normalTextAA, contrast::normalTextAAA},
    {"Visited links on background", SchemeSlot::VLINK, SchemeSlot::BGCOLOR, contrast::normalTextAA,
        contrast::normalTextAAA},
    {"Links against text", SchemeSlot::LINK, SchemeSlot::TEXT, contrast::linkFromText, 0},
    {"Visited links against text", SchemeSlot::VLINK, SchemeSlot::TEXT, contrast::linkFromText, 0},
};

constexpr int headingTop = 8;
constexpr int rowTop = 30;
constexpr int rowHeight = 22;
constexpr int lineHeight = 16;

// The window's four columns, for the headings and every row alike.
struct Column {
    int left, width;
    const char* heading;
    TAlignment alignment;
    int styles; // of the rows; headings are bold
};
enum { PairColumn, RatioColumn, FirstColumn, SecondColumn };
const Column columns[] = {
    {8, 170, "Pair", TAlignment::taLeftJustify, fsRegular},
    {182, 50, "Ratio", TAlignment::taRightJustify, fsBold},
    {240, 90, "Normal text", TAlignment::taLeftJustify, fsRegular},
    {334, 90, "Enhanced", TAlignment::taLeftJustify, fsRegular},
};

TLabel* addCell(QWidget* parent, int column, int top, int styles)
{
    auto* label = new TLabel(parent);
    const Column& c = columns[column];
    label->setBounds(c.left, top, c.width, lineHeight);
    label->setAlignment(c.alignment);
    label->setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, styles));
    return label;
}

// A mark and a word, so the result does not rest on colour alone.
QString verdict(const char* level, bool met)
{
    return QString::fromUtf8(met ? "\u2713 %1 pass" : "\u2717 %1 fail").arg(QLatin1String(level));
}

} // namespace

TContrastForm::TContrastForm()
{
    ::applyDesign(*this,
        {
            .caption = QStringLiteral("Contrast"),
            .icon = programIcon(),
            .borderStyle = TBorderStyle::bsDialog,
            .position = TPosition::poScreenCenter,
            .clientWidth = 430,
            .clientHeight = rowTop + rowCount * rowHeight + 8,
            .font = {"MS Sans Serif", 11},
        },
        {});

    auto* panel = new TPanel(client());
    panel->setAlign(TAlign::alClient);
    panel->setBevelOuter(TBevelCut::bvNone);

    for (int column = 0; column < int(std::size(columns)); ++column)
        addCell(panel, column, headingTop, fsBold)->setCaption(QLatin1String(columns[column].heading));
    for (int i = 0; i < rowCount; ++i) {
        Row& row = rows_[i];
        const int top = rowTop + i * rowHeight;
        row.pair = addCell(panel, PairColumn, top, columns[PairColumn].styles);
        row.pair->setCaption(QLatin1String(pairs[i].caption));
        row.ratio = addCell(panel, RatioColumn, top, columns[RatioColumn].styles);
        row.first = addCell(panel, FirstColumn, top, columns[FirstColumn].styles);
        row.second = addCell(panel, SecondColumn, top, columns[SecondColumn].styles);
    }
}

void TContrastForm::showScheme(const SchemeColors& colors)
{
    for (int i = 0; i < rowCount; ++i) {
        const Pair& pair = pairs[i];
        const double value = contrast::ratio(colors[slotIndex(pair.foreground)], colors[slotIndex(pair.against)]);
        const Row& row = rows_[i];
        row.ratio->setCaption(contrast::ratioText(value) + QStringLiteral(":1"));
        if (pair.second > 0) {
            row.first->setCaption(verdict("AA", value >= pair.first));
            row.second->setCaption(verdict("AAA", value >= pair.second));
        } else {
            row.first->setCaption(verdict("3:1", value >= pair.first));
            row.second->setCaption(QString());
        }
    }
}
