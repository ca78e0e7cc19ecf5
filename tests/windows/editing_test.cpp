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

#include <QStyle>
#include <QTest>

namespace {

class EditingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startAlone(w)); }

    void choose(TRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 8)); }

    void dragToRightEnd(TScrollBar* bar)
    {
        QPoint at = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
        const int end = scrollBarPart(bar, QStyle::SC_ScrollBarGroove).right() + 10;
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        while (at.x() < end) {
            at.rx() += 9;
            QTest::mouseMove(bar, at);
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }

    void pressKey(TScrollBar* bar, Qt::Key key)
    {
        bar->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    TColor_Scan w;
};

TEST_F(EditingTest, SliderWithBackgroundActiveRecoloursOnlyTheTileAndSampleBackgrounds)
{
    SchemeView expected = SchemeView::of(w);
    pressKey(w.ScrollRed, Qt::Key_End);

    expected.summaries[0] = QStringLiteral("FF0000");
    expected.tile = 0x0000FF;
    for (TColor& background : expected.sampleBackgrounds)
        background = 0x0000FF;
    expected.hex[0] = QStringLiteral("FF");
    expected.decimal[0] = QStringLiteral("255");
    expected.levels[0] = 255;
    expected.working = QStringLiteral("FF0000");
    EXPECT_EQ(SchemeView::of(w), expected);
    expectInvariantAtRest(w);
}

TEST_F(EditingTest, SliderWithTextActiveChangesOnlyTheTextSampleAndItsSummary)
{
    choose(w.RBText);
    expectInvariantAtRest(w);
    SchemeView expected = SchemeView::of(w);
    ASSERT_EQ(expected.levels[1], 255);
    pressKey(w.ScrollGreen, Qt::Key_Home);

    expected.summaries[1] = QStringLiteral("FF00FF");
    expected.sampleFonts[0] = 0xFF00FF;
    expected.hex[1] = QStringLiteral("00");
    expected.decimal[1] = QStringLiteral("0");
    expected.levels[1] = 0;
    expected.working = QStringLiteral("FF00FF");
    EXPECT_EQ(SchemeView::of(w), expected);
    expectInvariantAtRest(w);
}

TEST_F(EditingTest, ChoosingLinkLoadsItsColourAndMovesNoPreview)
{
    const SchemeView before = SchemeView::of(w);
    choose(w.RBLink);
    const SchemeView after = SchemeView::of(w);
    EXPECT_EQ(ActiveProperty, u'L');
    EXPECT_EQ(after.hex[0] + after.hex[1] + after.hex[2], QStringLiteral("008080"));
    EXPECT_EQ(after.decimal[0] + u'/' + after.decimal[1] + u'/' + after.decimal[2], QStringLiteral("0/128/128"));
    EXPECT_EQ(w.ScrollRed->position(), 0);
    EXPECT_EQ(w.ScrollRed->sliderPosition(), 0) << "the red thumb is not at the left end";
    EXPECT_EQ(after.tile, before.tile);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(after.sampleBackgrounds[i], before.sampleBackgrounds[i]);
        EXPECT_EQ(after.sampleFonts[i], before.sampleFonts[i]);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(after.summaries[i], before.summaries[i]);
    expectInvariantAtRest(w);
}

TEST_F(EditingTest, ClickingTheCheckedButtonDoesNothing)
{
    // A run of the handler would rewrite this summary from the tile's colour.
    w.LblBGSum->setCaption(QStringLiteral("abcdef"));
    const SchemeView before = SchemeView::of(w);
    choose(w.RBBGColor);
    EXPECT_EQ(SchemeView::of(w), before);
}

TEST_F(EditingTest, DraggingTheRedThumbToTheRightEndGivesFF)
{
    choose(w.RBVlink);
    const SchemeView before = SchemeView::of(w);
    dragToRightEnd(w.ScrollRed);
    const SchemeView after = SchemeView::of(w);
    EXPECT_EQ(after.hex[0], QStringLiteral("FF"));
    EXPECT_EQ(after.decimal[0], QStringLiteral("255"));
    EXPECT_TRUE(after.working.startsWith(QStringLiteral("FF")));
    EXPECT_EQ(after.summaries[3], QStringLiteral("FFFFFF"));
    EXPECT_EQ(after.sampleFonts[2], clWhite);
    for (int i : {1, 2}) {
        EXPECT_EQ(after.hex[i], before.hex[i]);
        EXPECT_EQ(after.decimal[i], before.decimal[i]);
    }
    expectInvariantAtRest(w);
}

TEST_F(EditingTest, ReadOutsFollowTheThumbDuringADrag)
{
    QPoint at = scrollBarPart(w.ScrollBlue, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(w.ScrollBlue, Qt::LeftButton, {}, at);
    at.rx() += 30;
    QTest::mouseMove(w.ScrollBlue, at);
    const int level = w.ScrollBlue->sliderPosition();
    ASSERT_GT(level, 0);
    EXPECT_EQ(w.EditBlueDec->text(), QString::number(level)) << "the read-out trails the thumb";
    EXPECT_EQ(w.LblBGSum->caption(), w.LblColor->caption());
    QTest::mouseRelease(w.ScrollBlue, Qt::LeftButton, {}, at);
    expectInvariantAtRest(w);
}

TEST_F(EditingTest, KeysAndTroughClicksMoveAsExpected)
{
    const struct {
        const char* what;
        std::function<void()> act;
        int red;
    } steps[] = {
        {"End", [&] { pressKey(w.ScrollRed, Qt::Key_End); }, 255},
        {"Left arrow key", [&] { pressKey(w.ScrollRed, Qt::Key_Left); }, 254},
        {"Home", [&] { pressKey(w.ScrollRed, Qt::Key_Home); }, 0},
        {"trough click",
            [&] {
                QTest::mouseClick(
                    w.ScrollRed, Qt::LeftButton, {}, scrollBarPart(w.ScrollRed, QStyle::SC_ScrollBarAddPage).center());
            },
            16},
        {"Page Down", [&] { pressKey(w.ScrollRed, Qt::Key_PageDown); }, 32},
        {"arrow click",
            [&] {
                QTest::mouseClick(
                    w.ScrollRed, Qt::LeftButton, {}, scrollBarPart(w.ScrollRed, QStyle::SC_ScrollBarAddLine).center());
            },
            33},
        {"Page Up", [&] { pressKey(w.ScrollRed, Qt::Key_PageUp); }, 17},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(w.ScrollRed->position(), step.red);
        EXPECT_EQ(w.EditRedDec->text(), QString::number(step.red));
        expectInvariantAtRest(w);
    }
}

TEST_F(EditingTest, LowerCaseSummaryShowsUpperCaseOnceItsAttributeIsChosen)
{
    w.LblText->setFontColor(0x00ABCDEF);
    w.LblTextSum->setCaption(QStringLiteral("efcdab"));
    choose(w.RBText);
    EXPECT_EQ(w.LblTextSum->caption(), QStringLiteral("EFCDAB"));
    EXPECT_EQ(w.EditRedHex->text() + w.EditGreenHex->text() + w.EditBlueHex->text(), QStringLiteral("EFCDAB"));
    EXPECT_EQ(w.EditRedDec->text(), QStringLiteral("239"));
    expectInvariantAtRest(w);
}

TEST_F(EditingTest, UnknownActivePropertyUpdatesOnlyTheBoxesAndWorkingColour)
{
    ActiveProperty = u'X';
    SchemeView expected = SchemeView::of(w);
    pressKey(w.ScrollBlue, Qt::Key_End);
    expected.hex[2] = QStringLiteral("FF");
    expected.decimal[2] = QStringLiteral("255");
    expected.levels[2] = 255;
    expected.working = QStringLiteral("0000FF");
    EXPECT_EQ(SchemeView::of(w), expected);
}

TEST_F(EditingTest, EveryAttributeRoundTripsThroughItsButton)
{
    const struct {
        TRadioButton* button;
        QChar letter;
        const char* scheme;
    } attributes[] = {{w.RBText, u'T', "FFFFFF"}, {w.RBLink, u'L', "008080"}, {w.RBVlink, u'V', "00FFFF"},
        {w.RBBGColor, u'B', "000000"}};
    for (const auto& a : attributes) {
        SCOPED_TRACE(a.scheme);
        choose(a.button);
        EXPECT_EQ(ActiveProperty, a.letter);
        EXPECT_EQ(w.LblColor->caption(), QLatin1String(a.scheme));
        expectInvariantAtRest(w);
    }
}

} // namespace
