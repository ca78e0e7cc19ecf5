// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Contrast.h"
#include "core/Placement.h"
#include "core/VisionChecks.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/ScrollBar.h"
#include "platform/SpeedButton.h"
#include "support/QtPrinters.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Contrast_frm/Contrast_frm.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>

namespace {

using contrast::ratio;
using contrast::ratioText;

class ContrastWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startAlone(w));
        ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_C));
        ASSERT_NE(w.ContrastForm, nullptr);
        ASSERT_TRUE(w.ContrastForm->isVisible());
    }

    QStringList row(int i) const
    {
        const TContrastForm::Row& r = w.ContrastForm->rows()[i];
        return {r.pair->caption(), r.ratio->caption(), r.first->caption(), r.second->caption()};
    }

    TColor_Scan w;
};

TEST_F(ContrastWindowTest, DefaultSchemeShowsWhereItFalls)
{
    const QStringList expected[] = {
        {"Text on background", "21.00:1", "\u2713 AA pass", "\u2713 AAA pass"},
        {"Links on background", "4.39:1", "\u2717 AA fail", "\u2717 AAA fail"},
        {"Visited links on background", "16.74:1", "\u2713 AA pass", "\u2713 AAA pass"},
        {"Links against text", "4.77:1", "\u2713 3:1 pass", ""},
        {"Visited links against text", "1.25:1", "\u2717 3:1 fail", ""},
    };
    for (int i = 0; i < TContrastForm::rowCount; ++i)
        EXPECT_EQ(row(i), expected[i]) << "row " << i;
}

TEST_F(ContrastWindowTest, FollowsSlidersAttributeSwitchesAndPastesWithoutTouchingTheScheme)
{
    // A slider with the background active: red up to FF makes the page red.
    w.ScrollRed->setFocus();
    QTest::keyClick(w.ScrollRed, Qt::Key_End);
    EXPECT_EQ(row(0)[1], ratioText(ratio(clWhite, clRed)) + QStringLiteral(":1"));

    // Switching the attribute changes no colour, so nothing changes here.
    const QStringList before = row(1);
    QTest::mouseClick(w.RBLink, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(row(1), before);
    QTest::keyClick(w.ScrollRed, Qt::Key_End);
    EXPECT_EQ(row(1)[1], ratioText(ratio(0x8080FF, clRed)) + QStringLiteral(":1"));

    QGuiApplication::clipboard()->setText(QStringLiteral(R"(BGCOLOR="#FFFFFF" TEXT="#000000" VLINK="#551A8B")"));
    QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(row(0)[1], QStringLiteral("21.00:1"));
    EXPECT_EQ(row(2)[1], ratioText(ratio(0x8B1A55, clWhite)) + QStringLiteral(":1"));
    EXPECT_EQ(w.LblVlinkSum->caption(), QStringLiteral("551A8B"));

    // The same window, brought back, with what it showed.
    w.ContrastForm->close();
    TContrastForm* const first = w.ContrastForm;
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_C));
    EXPECT_EQ(w.ContrastForm, first);
    EXPECT_EQ(row(0)[1], QStringLiteral("21.00:1"));
}

TEST_F(ContrastWindowTest, EveryColumnHasAHeadingThatFits)
{
    std::vector<TLabel*> headings;
    for (TLabel* label : w.ContrastForm->findChildren<TLabel*>()) {
        if (label->y() == 8)
            headings.push_back(label);
    }
    std::sort(headings.begin(), headings.end(), [](TLabel* a, TLabel* b) { return a->x() < b->x(); });
    QStringList captions;
    for (TLabel* heading : headings) {
        captions << heading->caption();
        EXPECT_TRUE(heading->font().bold());
        EXPECT_LE(QFontMetrics(heading->font()).horizontalAdvance(heading->caption()), heading->width());
    }
    // The fourth column holds the AAA verdicts.
    EXPECT_EQ(captions, (QStringList{"Pair", "Ratio", "Normal text", "Enhanced"}));
    EXPECT_TRUE(row(0)[3].contains(QStringLiteral("AAA")));
}

// Where the window goes beside the main window on this screen.
QPoint besideMain(const TColor_Scan& w)
{
    const QSize frame = w.frameGeometry().size() - w.geometry().size();
    return placement::besideWindow(
        w.frameGeometry(), w.ContrastForm->size() + frame, w.screen()->availableGeometry(), 8);
}

TEST_F(ContrastWindowTest, OpensBesideTheMainWindowAndEscapeClosesIt)
{
    TContrastForm& contrast = *w.ContrastForm;
    EXPECT_EQ(contrast.pos(), besideMain(w));
    EXPECT_FALSE(contrast.frameGeometry().intersects(w.frameGeometry())) << "it covers the main window";
    EXPECT_TRUE(w.screen()->availableGeometry().contains(contrast.frameGeometry()));

    ASSERT_TRUE(showAndActivate(contrast));
    QTest::keyClick(&contrast, Qt::Key_Escape);
    EXPECT_FALSE(contrast.isVisible());
    EXPECT_TRUE(w.isVisible());

    // Not moved by the person: it follows the main window to its new place.
    w.move(40, 30);
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_C));
    EXPECT_EQ(contrast.pos(), besideMain(w));
    EXPECT_FALSE(contrast.frameGeometry().intersects(w.frameGeometry()));
}

TEST_F(ContrastWindowTest, OnceMovedByThePersonItStaysWhereTheyPutIt)
{
    TContrastForm& contrast = *w.ContrastForm;
    // What the window system reports after the person drags it.
    contrast.move(300, 420);
    contrast.close();
    w.move(60, 10);
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_C));
    EXPECT_EQ(contrast.pos(), QPoint(300, 420));
    // Chosen again while open, it stays too.
    w.move(0, 0);
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_O, Qt::Key_C));
    EXPECT_EQ(contrast.pos(), QPoint(300, 420));
}

TEST_F(ContrastWindowTest, CssCopyPutsTheThreeLinesOnTheClipboard)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    ASSERT_TRUE(chooseFromMenu(w, Qt::Key_E, Qt::Key_S));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        QStringLiteral("body { background-color: #000000; color: #FFFFFF; }\n"
                       "a:link { color: #008080; }\n"
                       "a:visited { color: #00FFFF; }\n"));
}

// Each preview shows the scheme as its vision sees it, and its checks say
// what those colours give; all four follow every change of the scheme.
void expectPreviewsShow(const TContrastForm& form, const SchemeColors& scheme)
{
    const VisionChecks checks = checkVisions(scheme);
    for (std::size_t i = 0; i < visionTypes.size(); ++i) {
        SCOPED_TRACE(visionName(visionTypes[i]).toStdString());
        const TContrastForm::VisionPreview& preview = form.previews()[i];
        const SchemeColors seen = simulateScheme(visionTypes[i], scheme);
        EXPECT_EQ(preview.tile->color(), seen[0]);
        EXPECT_EQ(preview.text->color(), seen[0]) << "samples stand on the page";
        EXPECT_EQ(preview.text->fontColor(), seen[1]);
        EXPECT_EQ(preview.link->fontColor(), seen[2]);
        EXPECT_EQ(preview.visited->fontColor(), seen[3]);
        const double ratios[] = {checks[i].textOnBackground, checks[i].linkOnBackground, checks[i].visitedOnBackground,
            checks[i].linkAgainstText, checks[i].visitedAgainstText};
        const double levels[] = {4.5, 4.5, 4.5, 3.0, 3.0};
        for (int row = 0; row < TContrastForm::rowCount; ++row) {
            const QString expected = ratioText(ratios[row])
                + (ratios[row] >= levels[row] ? QStringLiteral(":1 \u2713 pass") : QStringLiteral(":1 \u2717 fail"));
            EXPECT_EQ(preview.checks[row]->caption(), expected) << "check " << row;
        }
    }
    EXPECT_EQ(form.blendLine()->caption(), linkBlendSentence(checks));
}

TEST_F(ContrastWindowTest, PreviewsShowEachVisionAndFollowTheSliders)
{
    const TContrastForm& form = *w.ContrastForm;
    const QStringList names = {"Typical", "Protanopia", "Deuteranopia", "Tritanopia"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form.previews()[i].name->caption(), names[i]);
    expectPreviewsShow(form, {clBlack, clWhite, clTeal, clAqua});
    EXPECT_EQ(form.blendLine()->caption(), QStringLiteral("Visited links blend into the text for every vision type"));

    // Red text and yellow-green links, set with the keyboard: apart for
    // typical vision, blended for deuteranopia.
    QTest::mouseClick(w.RBText, Qt::LeftButton, {}, QPoint(6, 8));
    w.ScrollGreen->setFocus();
    QTest::keyClick(w.ScrollGreen, Qt::Key_Home);
    w.ScrollBlue->setFocus();
    QTest::keyClick(w.ScrollBlue, Qt::Key_Home);
    expectPreviewsShow(form, {clBlack, clRed, clTeal, clAqua});

    QGuiApplication::clipboard()->setText(QStringLiteral(R"(LINK="#CCFF33" VLINK="#FFFFFF")"));
    QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
    expectPreviewsShow(form, {clBlack, clRed, rgbColor(0xCC, 0xFF, 0x33), clWhite});
    EXPECT_EQ(form.blendLine()->caption(), QStringLiteral("Links blend into the text for deuteranopia"));
    EXPECT_EQ(form.previews()[2].checks[3]->caption(), QStringLiteral("2.66:1 \u2717 fail"));
    EXPECT_EQ(form.previews()[0].checks[3]->caption(), QStringLiteral("3.41:1 \u2713 pass"));
}

TEST_F(ContrastWindowTest, NoCaptionIsClipped)
{
    const QList<TLabel*> labels = w.ContrastForm->findChildren<TLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    QGuiApplication::clipboard()->setText(QStringLiteral(R"(BGCOLOR="#FFFFFF" TEXT="#767676" LINK="#777777")"));
    QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
    for (const TLabel* label : labels) {
        const int wide = QFontMetrics(label->font()).horizontalAdvance(label->caption());
        EXPECT_LE(wide, label->width()) << label->caption().toStdString();
    }
}

} // namespace
