// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Contrast_frm/Contrast_frm.h"

#include "art/ProgramArt.h"
#include "core/Contrast.h"
#include "core/VisionChecks.h"
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

// The previews under the ratios: a caption column, then one column per
// vision type holding its name, its tile and its checks.
constexpr int visionTop = rowTop + TContrastForm::rowCount * rowHeight + 10;
constexpr int visionCaptionLeft = 8;
constexpr int visionCaptionWidth = 150;
constexpr int visionLeft = 164;
constexpr int visionStep = 100;
constexpr int visionWidth = 96;
constexpr int tileTop = visionTop + lineHeight + 2;
constexpr int tileHeight = 56;
constexpr int checkTop = tileTop + tileHeight + 6;
constexpr int checkStep = 18;
constexpr int blendTop = checkTop + TContrastForm::rowCount * checkStep + 6;
constexpr int windowWidth = visionLeft + 3 * visionStep + visionWidth + 8;
constexpr int windowHeight = blendTop + lineHeight + 8;

const char* const visionCaptions[] = {"Typical", "Protanopia", "Deuteranopia", "Tritanopia"};
const char* const checkCaptions[TContrastForm::rowCount] = {
    "Text on background",
    "Links on background",
    "Visited on background",
    "Links against text",
    "Visited against text",
};

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

QString ratioCell(double ratio, double level)
{
    return contrast::ratioText(ratio) + QString::fromUtf8(ratio >= level ? ":1 \u2713 pass" : ":1 \u2717 fail");
}

TLabel* addLabel(QWidget* parent, int left, int top, int width, int styles)
{
    auto* label = new TLabel(parent);
    label->setBounds(left, top, width, lineHeight);
    label->setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, styles));
    return label;
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
            .clientWidth = windowWidth,
            .clientHeight = windowHeight,
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
    createPreviews(panel);
}

void TContrastForm::createPreviews(QWidget* parent)
{
    for (int check = 0; check < rowCount; ++check)
        addLabel(parent, visionCaptionLeft, checkTop + check * checkStep, visionCaptionWidth, fsRegular)
            ->setCaption(QLatin1String(checkCaptions[check]));
    for (std::size_t i = 0; i < previews_.size(); ++i) {
        VisionPreview& preview = previews_[i];
        const int left = visionLeft + static_cast<int>(i) * visionStep;
        preview.name = addLabel(parent, left, visionTop, visionWidth, fsBold);
        preview.name->setCaption(QLatin1String(visionCaptions[i]));
        preview.name->setAlignment(TAlignment::taCenter);

        preview.tile = new TPanel(parent);
        preview.tile->setBounds(left, tileTop, visionWidth, tileHeight);
        preview.tile->setBevelOuter(TBevelCut::bvRaised);
        const struct {
            TLabel* VisionPreview::*sample;
            const char* caption;
            int styles;
        } samples[] = {
            {&VisionPreview::text, "Text", fsBold},
            {&VisionPreview::link, "Link", fsBold | fsUnderline},
            {&VisionPreview::visited, "Visited", fsBold | fsUnderline},
        };
        int top = 3;
        for (const auto& sample : samples) {
            TLabel* label = new TLabel(preview.tile);
            label->setBounds(8, top, visionWidth - 16, lineHeight);
            label->setCaption(QLatin1String(sample.caption));
            label->setFont(makeFont(QStringLiteral("System"), 13, sample.styles));
            preview.*sample.sample = label;
            top += 17;
        }
        for (int check = 0; check < rowCount; ++check)
            preview.checks[check] = addLabel(parent, left, checkTop + check * checkStep, visionWidth, fsRegular);
    }
    blendLine_ = addLabel(parent, visionCaptionLeft, blendTop, windowWidth - 2 * visionCaptionLeft, fsBold);
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

    const VisionChecks checks = checkVisions(colors);
    for (std::size_t i = 0; i < previews_.size(); ++i) {
        const VisionPreview& preview = previews_[i];
        const SchemeColors seen = simulateScheme(visionTypes[i], colors);
        const TColor page = seen[slotIndex(SchemeSlot::BGCOLOR)];
        preview.tile->setColor(page);
        const struct {
            TLabel* sample;
            SchemeSlot slot;
        } samples[] = {
            {preview.text, SchemeSlot::TEXT}, {preview.link, SchemeSlot::LINK}, {preview.visited, SchemeSlot::VLINK}};
        for (const auto& sample : samples) {
            sample.sample->setColor(page);
            sample.sample->setFontColor(seen[slotIndex(sample.slot)]);
        }
        const VisionCheck& check = checks[i];
        const double ratios[rowCount] = {check.textOnBackground, check.linkOnBackground, check.visitedOnBackground,
            check.linkAgainstText, check.visitedAgainstText};
        for (int row = 0; row < rowCount; ++row)
            preview.checks[row]->setCaption(ratioCell(ratios[row], pairs[row].first));
    }
    blendLine_->setCaption(linkBlendSentence(checks));
}
