#include "windows/Contrast_frm/Contrast_frm.h"

#include "core/Contrast.h"
#include "art/ProgramArt.h"
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

constexpr int rowTop = 30;
constexpr int rowHeight = 22;

// A mark and a word, so the result does not rest on colour alone.
QString verdict(const char* level, bool met)
{
    return QString::fromUtf8(met ? "\u2713 %1 pass" : "\u2717 %1 fail").arg(QLatin1String(level));
}

} // namespace

TContrastForm::TContrastForm()
{
    setCaption(QStringLiteral("Contrast"));
    setWindowIcon(programIcon());
    setBorderStyle(TBorderStyle::bsDialog);
    setPosition(TPosition::poScreenCenter);
    setClientWidth(430);
    setClientHeight(rowTop + rowCount * rowHeight + 8);
    setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, fsRegular));

    auto* panel = new TPanel(client());
    panel->setAlign(TAlign::alClient);
    panel->setBevelOuter(TBevelCut::bvNone);

    const QFont bold = makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold);
    const struct {
        int left, width;
        const char* caption;
    } headings[] = {{8, 170, "Pair"}, {182, 50, "Ratio"}, {240, 90, "Normal text"}, {334, 90, ""}};
    for (const auto& heading : headings) {
        auto* label = new TLabel(panel);
        label->setBounds(heading.left, 8, heading.width, 16);
        label->setCaption(QLatin1String(heading.caption));
        label->setFont(bold);
    }
    for (int i = 0; i < rowCount; ++i) {
        Row& row = rows_[i];
        const int top = rowTop + i * rowHeight;
        row.pair = new TLabel(panel);
        row.pair->setBounds(8, top, 170, 16);
        row.pair->setCaption(QLatin1String(pairs[i].caption));
        row.ratio = new TLabel(panel);
        row.ratio->setBounds(182, top, 50, 16);
        row.ratio->setAlignment(TAlignment::taRightJustify);
        row.ratio->setFont(bold);
        row.first = new TLabel(panel);
        row.first->setBounds(240, top, 90, 16);
        row.second = new TLabel(panel);
        row.second->setBounds(334, top, 90, 16);
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
