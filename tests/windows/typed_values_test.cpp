// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "support/SchemeView.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QTest>

namespace {

class TypedValuesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startAlone(w)); }

    // A click into the box from elsewhere, which selects what it holds, then the keys.
    void typeInto(TEdit* box, const QString& keys)
    {
        // A click into a box that has the focus already only moves the cursor.
        if (box->hasFocus())
            w.RBBGColor->setFocus();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
        ASSERT_EQ(QApplication::focusWidget(), box);
        ASSERT_TRUE(box->hasSelectedText()) << "the click did not select the box";
        QTest::keyClicks(box, keys);
    }

    void choose(TRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 8)); }

    QString hexColumn() const { return w.EditRedHex->text() + w.EditGreenHex->text() + w.EditBlueHex->text(); }
    QString decimalColumn() const
    {
        return w.EditRedDec->text() + u'/' + w.EditGreenDec->text() + u'/' + w.EditBlueDec->text();
    }

    TColor_Scan w;
};

TEST_F(TypedValuesTest, EnteredHexValueIsTheSliderMovedThere)
{
    // The same level reached with the slider's own keys, in a second window.
    TColor_Scan moved;
    ASSERT_TRUE(startAlone(moved));
    moved.ScrollGreen->setFocus();
    QTest::keyClick(moved.ScrollGreen, Qt::Key_Home);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(moved.ScrollGreen, Qt::Key_PageDown);
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(moved.ScrollGreen, Qt::Key_Right);
    ASSERT_EQ(moved.ScrollGreen->position(), 127);

    ASSERT_TRUE(showAndActivate(w));
    typeInto(w.EditGreenHex, QStringLiteral("7f"));
    QTest::keyClick(w.EditGreenHex, Qt::Key_Return);
    EXPECT_EQ(SchemeView::of(w), SchemeView::of(moved));
    EXPECT_EQ(w.EditGreenHex->text(), QStringLiteral("7F"));
    EXPECT_EQ(w.EditGreenDec->text(), QStringLiteral("127"));
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("007F00"));
    expectInvariantAtRest(w);
}

TEST_F(TypedValuesTest, EnterTabOrAClickElsewhereEntersTheValue)
{
    const struct {
        const char* how;
        std::function<void()> leave;
    } ways[] = {
        {"Enter", [&] { QTest::keyClick(w.EditRedDec, Qt::Key_Enter); }},
        {"Tab", [&] { QTest::keyClick(w.EditRedDec, Qt::Key_Tab); }},
        {"Shift+Tab", [&] { QTest::keyClick(w.EditRedDec, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"a click on the checked attribute button", [&] { choose(w.RBBGColor); }},
        // The sample line takes no focus; the click enters the value all the same.
        {"a click on a sample line", [&] { QTest::mouseClick(w.LblText, Qt::LeftButton, {}, QPoint(20, 8)); }},
    };
    int level = 200;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        const int blue = w.ScrollBlue->position();
        const int red = w.ScrollRed->position();
        typeInto(w.EditRedDec, QString::number(level));
        EXPECT_EQ(w.ScrollRed->position(), red) << "the value went in before it was entered";
        way.leave();
        EXPECT_EQ(w.ScrollRed->position(), level);
        EXPECT_EQ(w.EditRedHex->text(), QString::number(level, 16).toUpper());
        EXPECT_EQ(w.EditRedDec->text(), QString::number(level));
        EXPECT_EQ(w.LblBGSum->caption().left(2), QString::number(level, 16).toUpper());
        EXPECT_EQ(w.ScrollBlue->position(), blue);
        expectInvariantAtRest(w);
        ++level;
    }
}

TEST_F(TypedValuesTest, EscapeRestoresTheBoxAndChangesNothing)
{
    choose(w.RBLink);
    const SchemeView before = SchemeView::of(w);
    typeInto(w.EditBlueHex, QStringLiteral("12"));
    EXPECT_EQ(w.EditBlueHex->text(), QStringLiteral("12"));
    QTest::keyClick(w.EditBlueHex, Qt::Key_Escape);
    EXPECT_EQ(w.EditBlueHex->text(), QStringLiteral("80"));
    // Nothing left to enter when the focus moves on.
    QTest::keyClick(w.EditBlueHex, Qt::Key_Tab);
    EXPECT_EQ(SchemeView::of(w), before);
}

TEST_F(TypedValuesTest, AWholeColourInAHexBoxSpreadsOverTheThreeChannels)
{
    const struct {
        const char* typed;
        TEdit* TColor_Scan::*box;
        const char* scheme;
    } cases[] = {
        {"#336699", &TColor_Scan::EditRedHex, "336699"},
        {"aaff7f", &TColor_Scan::EditGreenHex, "AAFF7F"},
        {"#369", &TColor_Scan::EditBlueHex, "336699"},
        {"#FA0", &TColor_Scan::EditRedHex, "FFAA00"},
    };
    choose(w.RBText);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SchemeView expected = SchemeView::of(w);
        typeInto(w.*c.box, QLatin1String(c.typed));
        QTest::keyClick(w.*c.box, Qt::Key_Return);
        const QString scheme = QLatin1String(c.scheme);
        const TColor value = rgbColor(scheme.mid(0, 2).toInt(nullptr, 16), scheme.mid(2, 2).toInt(nullptr, 16),
            scheme.mid(4, 2).toInt(nullptr, 16));
        expected.summaries[1] = scheme;
        expected.sampleFonts[0] = value;
        for (int i = 0; i < 3; ++i) {
            expected.hex[i] = scheme.mid(2 * i, 2);
            expected.levels[i] = scheme.mid(2 * i, 2).toInt(nullptr, 16);
            expected.decimal[i] = QString::number(expected.levels[i]);
        }
        expected.working = scheme;
        // Only the text colour changes: the attribute being edited.
        EXPECT_EQ(SchemeView::of(w), expected);
        expectInvariantAtRest(w);
    }
}

TEST_F(TypedValuesTest, TabFromBoxToBoxFillsAColumn)
{
    typeInto(w.EditRedHex, QStringLiteral("33"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.EditGreenHex);
    QTest::keyClicks(w.EditGreenHex, QStringLiteral("66"));
    QTest::keyClick(w.EditGreenHex, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.EditBlueHex);
    QTest::keyClicks(w.EditBlueHex, QStringLiteral("99"));
    QTest::keyClick(w.EditBlueHex, Qt::Key_Tab);
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("336699"));
    EXPECT_EQ(decimalColumn(), QStringLiteral("51/102/153"));
    ASSERT_EQ(QApplication::focusWidget(), w.EditRedDec);
    // Typed over, as Tab selects the box.
    QTest::keyClicks(w.EditRedDec, QStringLiteral("255"));
    QTest::keyClick(w.EditRedDec, Qt::Key_Return);
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("FF6699"));
    expectInvariantAtRest(w);
}

TEST_F(TypedValuesTest, InvalidTextIsRefusedInPlaceWithNoBox)
{
    const struct {
        TEdit* TColor_Scan::*box;
        const char* keys;
        const char* shown;
    } cases[] = {
        {&TColor_Scan::EditRedHex, "G", "00"}, // refused over the selection: the box keeps its text
        {&TColor_Scan::EditRedHex, "3x3", "33"},
        {&TColor_Scan::EditRedHex, "#33669900", "#336699"},
        {&TColor_Scan::EditRedHex, "33#", "33"},
        {&TColor_Scan::EditRedDec, "256", "25"},
        {&TColor_Scan::EditRedDec, "1000", "100"},
        {&TColor_Scan::EditRedDec, "-5", "5"},
        {&TColor_Scan::EditRedDec, "1 2", "12"},
        {&TColor_Scan::EditGreenDec, "a", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        typeInto(w.*c.box, QLatin1String(c.keys));
        EXPECT_EQ((w.*c.box)->text(), QLatin1String(c.shown));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        QTest::keyClick(w.*c.box, Qt::Key_Escape);
    }
    expectInvariantAtRest(w);
}

TEST_F(TypedValuesTest, UnfinishedTextGoesBackWhenEntered)
{
    const SchemeView before = SchemeView::of(w);
    for (const char* unfinished : {"#33", "3366", "#", ""}) {
        SCOPED_TRACE(unfinished);
        typeInto(w.EditGreenHex, QStringLiteral("1"));
        QTest::keyClick(w.EditGreenHex, Qt::Key_Backspace);
        QTest::keyClicks(w.EditGreenHex, QLatin1String(unfinished));
        QTest::keyClick(w.EditGreenHex, Qt::Key_Return);
        EXPECT_EQ(w.EditGreenHex->text(), QStringLiteral("00"));
    }
    typeInto(w.EditGreenDec, QStringLiteral("7"));
    QTest::keyClick(w.EditGreenDec, Qt::Key_Backspace);
    QTest::keyClick(w.EditGreenDec, Qt::Key_Tab);
    EXPECT_EQ(w.EditGreenDec->text(), QStringLiteral("0"));
    EXPECT_EQ(SchemeView::of(w), before);
}

TEST_F(TypedValuesTest, PastingAColourIntoAHexBoxReplacesItsTextAndEnterSpreadsIt)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("  #336699\n"));
    QTest::mouseClick(w.EditRedHex, Qt::LeftButton, {}, QPoint(5, 8));
    // The cursor anywhere: a whole value replaces what the box holds.
    QTest::keyClick(w.EditRedHex, Qt::Key_End);
    QTest::keyClick(w.EditRedHex, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.EditRedHex->text(), QStringLiteral("#336699"));
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("000000"));
    QTest::keyClick(w.EditRedHex, Qt::Key_Return);
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("336699"));
    EXPECT_EQ(hexColumn(), QStringLiteral("336699"));

    // Shift+Insert is the other paste key; a decimal box takes a level.
    QGuiApplication::clipboard()->setText(QStringLiteral("200"));
    QTest::mouseClick(w.EditBlueDec, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::keyClick(w.EditBlueDec, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(w.EditBlueDec, Qt::Key_Return);
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("3366C8"));
    expectInvariantAtRest(w);
}

TEST_F(TypedValuesTest, CopyAndPasteKeysInABoxWorkOnTheBoxOnlyWhenItHasSomethingToDo)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // A selection in the box: Ctrl+C copies it, as in any text field.
    QTest::mouseClick(w.EditGreenDec, Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(w.EditGreenDec->hasSelectedText());
    QTest::keyClick(w.EditGreenDec, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("0"));
    clipboard->setText(QStringLiteral("old"));
    QTest::keyClick(w.EditGreenDec, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("0"));

    // No selection: Ctrl+C is Copy Scheme.
    QTest::keyClick(w.EditGreenDec, Qt::Key_End);
    ASSERT_FALSE(w.EditGreenDec->hasSelectedText());
    QTest::keyClick(w.EditGreenDec, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")"));

    // A BODY tag is no value for a box: Ctrl+V is Paste Scheme.
    clipboard->setText(QStringLiteral(R"(<body bgcolor="#FFFFCC" text="#000080">)"));
    QTest::keyClick(w.EditGreenDec, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.LblBGSum->caption(), QStringLiteral("FFFFCC"));
    EXPECT_EQ(w.LblTextSum->caption(), QStringLiteral("000080"));
    EXPECT_EQ(w.EditGreenDec->text(), QStringLiteral("255"));
    expectInvariantAtRest(w);
}

TEST_F(TypedValuesTest, AMenuCommandEntersTheValueBeingTypedFirst)
{
    typeInto(w.EditRedHex, QStringLiteral("ab"));
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_E, Qt::Key_C));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        QStringLiteral(R"(BGCOLOR="#AB0000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")"));
    EXPECT_EQ(w.EditRedDec->text(), QStringLiteral("171"));
}

} // namespace
