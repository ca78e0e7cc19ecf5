// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ColorDialog.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/SpeedButton.h"
#include "support/ModalAnswer.h"
#include "support/SchemeView.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

// What the person does in the colour dialog.
struct Pick {
    std::optional<QColor> colour; // typed into the HTML field; none keeps the offered one
    bool addToCustomColours = false;
    bool ok = true;
};

struct SeenInDialog {
    bool shown = false;
    QColor offered;
    QColor firstCustomBox;
};

void answerColourDialog(QWidget* modal, const Pick& pick, SeenInDialog& seen)
{
    auto* dialog = qobject_cast<QColorDialog*>(modal);
    if (!dialog) {
        modal->close();
        return;
    }
    seen.shown = true;
    seen.offered = dialog->currentColor();
    seen.firstCustomBox = QColorDialog::customColor(0);
    if (pick.colour) {
        // The HTML field is the one line edit that is not inside a spin box.
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            if (qobject_cast<QSpinBox*>(edit->parentWidget()))
                continue;
            edit->selectAll();
            QTest::keyClicks(edit, pick.colour->name());
        }
    }
    if (pick.addToCustomColours) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().remove(u'&').startsWith(QStringLiteral("Add to Custom")))
                button->click();
        }
    }
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    buttons->button(pick.ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
}

class ColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startAlone(w)); }

    SeenInDialog pickThroughTile(const Pick& pick)
    {
        return pickThrough([&] { clickBareTile(); }, pick);
    }

    SeenInDialog pickThrough(const std::function<void()>& trigger, const Pick& pick)
    {
        SeenInDialog seen;
        ModalAnswer answer([&](QWidget* modal) { answerColourDialog(modal, pick, seen); });
        trigger();
        EXPECT_TRUE(answer.answered()) << "no dialog came up";
        return seen;
    }

    void clickBareTile() { QTest::mouseClick(w.ColorPanel, Qt::LeftButton, {}, QPoint(10, 120)); }

    TColor_Scan w;
};

TEST_F(ColorPickerTest, WhiteWithOkFromTheDefaultState)
{
    const SeenInDialog seen = pickThroughTile({QColor(255, 255, 255)});
    EXPECT_EQ(seen.offered, QColor(0, 0, 0));
    const SchemeView v = SchemeView::of(w);
    EXPECT_EQ(v.hex[0] + v.hex[1] + v.hex[2], QStringLiteral("FFFFFF"));
    EXPECT_EQ(v.levels[0] + v.levels[1] + v.levels[2], 3 * 255);
    EXPECT_EQ(v.working, QStringLiteral("FFFFFF"));
    EXPECT_EQ(v.tile, clWhite);
    EXPECT_EQ(v.summaries[0], QStringLiteral("FFFFFF"));
    // Both read-outs of a level agree after a pick.
    for (const QString& decimal : v.decimal)
        EXPECT_EQ(decimal, QStringLiteral("255"));
    expectInvariantAtRest(w);
}

TEST_F(ColorPickerTest, ChosenColourIsSpreadOverSlidersBoxesAndWorkingColour)
{
    pickThroughTile({QColor(18, 52, 86)});
    const SchemeView v = SchemeView::of(w);
    EXPECT_EQ(v.hex[0] + u' ' + v.hex[1] + u' ' + v.hex[2], QStringLiteral("12 34 56"));
    EXPECT_EQ(v.levels[0], 18);
    EXPECT_EQ(v.levels[1], 52);
    EXPECT_EQ(v.levels[2], 86);
    EXPECT_EQ(v.decimal[0] + u' ' + v.decimal[1] + u' ' + v.decimal[2], QStringLiteral("18 52 86"));
    EXPECT_EQ(v.working, QStringLiteral("123456"));
    EXPECT_EQ(v.tile, 0x563412);
    expectInvariantAtRest(w);
}

TEST_F(ColorPickerTest, DecimalBoxesAgreeWithTheHexBoxesAfterAPick)
{
    // Moved first, so the boxes held other numbers before the pick.
    w.ScrollGreen->setFocus();
    QTest::keyClick(w.ScrollGreen, Qt::Key_PageDown);
    ASSERT_EQ(w.EditGreenDec->text(), QStringLiteral("16"));
    pickThroughTile({QColor(0xAA, 0xFF, 0x7F)});
    const SchemeView v = SchemeView::of(w);
    EXPECT_EQ(v.hex[0] + u' ' + v.hex[1] + u' ' + v.hex[2], QStringLiteral("AA FF 7F"));
    EXPECT_EQ(v.decimal[0] + u' ' + v.decimal[1] + u' ' + v.decimal[2], QStringLiteral("170 255 127"));
    expectInvariantAtRest(w);
}

TEST_F(ColorPickerTest, CancelReappliesTheSliderColour)
{
    QTest::mouseClick(w.RBText, Qt::LeftButton, {}, QPoint(6, 8));
    w.LblText->setFontColor(clRed); // not what the sliders say
    const SchemeView before = SchemeView::of(w);
    const SeenInDialog seen = pickThroughTile({QColor(1, 2, 3), false, false});
    EXPECT_EQ(seen.offered, QColor(255, 255, 255));
    const SchemeView after = SchemeView::of(w);
    EXPECT_EQ(after.sampleFonts[0], clWhite);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(after.levels[i], before.levels[i]);
        EXPECT_EQ(after.decimal[i], before.decimal[i]);
    }
    expectInvariantAtRest(w);
}

TEST_F(ColorPickerTest, WithTextActiveOnlyTheTextSampleChanges)
{
    QTest::mouseClick(w.RBText, Qt::LeftButton, {}, QPoint(6, 8));
    SchemeView expected = SchemeView::of(w);
    pickThroughTile({QColor(18, 52, 86)});
    expected.summaries[1] = QStringLiteral("123456");
    expected.sampleFonts[0] = 0x563412;
    expected.hex[0] = QStringLiteral("12");
    expected.hex[1] = QStringLiteral("34");
    expected.hex[2] = QStringLiteral("56");
    expected.levels[0] = 18;
    expected.levels[1] = 52;
    expected.levels[2] = 86;
    expected.decimal[0] = QStringLiteral("18");
    expected.decimal[1] = QStringLiteral("52");
    expected.decimal[2] = QStringLiteral("86");
    expected.working = QStringLiteral("123456");
    EXPECT_EQ(SchemeView::of(w), expected);
}

TEST(ColorPickerTriggers, TileButtonAndMenuGiveIdenticalResults)
{
    std::vector<SchemeView> results;
    const std::function<void(TColor_Scan&)> triggers[] = {
        [](TColor_Scan& w) { QTest::mouseClick(w.ColorPanel, Qt::LeftButton, {}, QPoint(10, 120)); },
        [](TColor_Scan& w) { QTest::mouseClick(w.SBColor, Qt::LeftButton, {}, QPoint(12, 12)); },
        [](TColor_Scan& w) { ASSERT_TRUE(chooseFromMenu(w, Qt::Key_E, Qt::Key_U)); },
    };
    for (const auto& trigger : triggers) {
        TColor_Scan w;
        ASSERT_TRUE(startAlone(w));
        SeenInDialog seen;
        ModalAnswer answer([&](QWidget* modal) { answerColourDialog(modal, {QColor(18, 52, 86)}, seen); });
        trigger(w);
        ASSERT_TRUE(answer.answered());
        results.push_back(SchemeView::of(w));
    }
    EXPECT_EQ(results[1], results[0]);
    EXPECT_EQ(results[2], results[0]);
    EXPECT_EQ(results[0].working, QStringLiteral("123456"));
}

TEST_F(ColorPickerTest, BadListEntryStopsEveryOpeningUntilTheListChanges)
{
    TStringList& list = w.ColorDlg->customColors();
    list.add(QStringLiteral("ColorA=XYZ"));
    const SchemeView before = SchemeView::of(w);
    for (int attempt = 0; attempt < 2; ++attempt) {
        ShownBox box;
        ModalAnswer answer([&](QWidget* modal) {
            EXPECT_EQ(qobject_cast<QColorDialog*>(modal), nullptr) << "the colour dialog opened";
            box = readBox(modal);
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        clickBareTile();
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(box.text, QStringLiteral("'$XYZ' is not a valid integer value."));
        EXPECT_EQ(box.title, QStringLiteral("Huewise32"));
    }
    EXPECT_EQ(SchemeView::of(w), before);
    list.clear();
    EXPECT_TRUE(pickThroughTile({}).shown);
}

TEST_F(ColorPickerTest, UntouchedOkRewritesTheListInTheDialogsForm)
{
    TStringList& list = w.ColorDlg->customColors();
    list.clear();
    list.add(QStringLiteral("colora=ff"));
    const SeenInDialog seen = pickThroughTile({});
    EXPECT_EQ(seen.firstCustomBox, QColor(255, 0, 0)) << "box 1 was not filled from ColorA";
    ASSERT_EQ(list.count(), 16);
    EXPECT_EQ(list[0], QStringLiteral("ColorA=0000FF"));
    EXPECT_EQ(list[1], QStringLiteral("ColorB=FFFFFFFF"));
    EXPECT_EQ(list[15], QStringLiteral("ColorP=FFFFFFFF"));
}

TEST_F(ColorPickerTest, CustomColourDefinedInTheDialogGoesIntoItsEntry)
{
    const QColor qtOwn = QColorDialog::customColor(0);
    pickThroughTile({QColor(0x12, 0x34, 0x56), true});
    TStringList& list = w.ColorDlg->customColors();
    ASSERT_EQ(list.count(), 19);
    EXPECT_EQ(list[0], QStringLiteral("$FFFFFF"));
    EXPECT_EQ(list[3], QStringLiteral("ColorA=563412"));
    EXPECT_EQ(list[4], QStringLiteral("ColorB=FFFFFFFF"));
    EXPECT_EQ(QColorDialog::customColor(0), qtOwn) << "our custom colours leaked into Qt's shared ones";
}

TEST_F(ColorPickerTest, CancelLeavesTheListAlone)
{
    const QStringList before = w.ColorDlg->customColors().lines();
    pickThroughTile({QColor(1, 2, 3), true, false});
    EXPECT_EQ(w.ColorDlg->customColors().lines(), before);
}

} // namespace
