// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

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

#include <QAbstractButton>
#include <QClipboard>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace {

const QString defaultScheme = QStringLiteral(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")");

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startAlone(w));
        setClipboardText(QStringLiteral("what was there before"));
    }

    void chooseFromEditMenu(Qt::Key accessKey) { ASSERT_TRUE(chooseFromMenu(w, Qt::Key_E, accessKey)); }

    // Runs the action and answers any box it brings up with `answer`.
    ShownBox withBox(const std::function<void()>& action, const std::function<void(QWidget*)>& answer)
    {
        ShownBox shown;
        ModalAnswer modal([&](QWidget* box) {
            shown = readBox(box);
            answer(box);
        });
        action();
        return shown;
    }

    void paste(const QString& text)
    {
        setClipboardText(text);
        QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
    }

    TColor_Scan w;
};

TEST_F(ClipboardTest, WholeSchemeCopyFromButtonAndMenuAsksNothing)
{
    const std::function<void()> triggers[] = {
        [&] { QTest::mouseClick(w.SBCopy, Qt::LeftButton, {}, QPoint(12, 12)); },
        [&] { chooseFromEditMenu(Qt::Key_C); },
    };
    for (const auto& trigger : triggers) {
        setClipboardText(QStringLiteral("old"));
        ModalAnswer question([](QWidget* box) { box->close(); }, 300);
        trigger();
        QTest::qWait(50);
        EXPECT_FALSE(question.answered()) << "the whole-scheme copy asked a question";
        EXPECT_EQ(clipboardText(), defaultScheme);
    }
}

TEST_F(ClipboardTest, SingleCopyAsksAndCopiesOnlyOnYes)
{
    const struct {
        const char* keyword;
        TLabel* caption;
        TLabel* summary;
        Qt::Key menuKey;
        const char* fragment;
    } attributes[] = {
        {"BGCOLOR", w.BGLbl, w.LblBGSum, Qt::Key_B, R"(BGCOLOR="#000000")"},
        {"TEXT", w.TextLbl, w.LblTextSum, Qt::Key_T, R"(TEXT="#FFFFFF")"},
        {"LINK", w.LinkLbl, w.LblLinkSum, Qt::Key_L, R"(LINK="#008080")"},
        {"VLINK", w.VLinkLbl, w.LblVlinkSum, Qt::Key_V, R"(VLINK="#00FFFF")"},
    };
    for (const auto& a : attributes) {
        const std::pair<const char*, std::function<void()>> triggers[] = {
            {"caption label", [&] { QTest::mouseDClick(a.caption, Qt::LeftButton, {}, QPoint(5, 5)); }},
            {"summary label", [&] { QTest::mouseDClick(a.summary, Qt::LeftButton, {}, QPoint(5, 5)); }},
            {"Edit menu", [&] { chooseFromEditMenu(a.menuKey); }},
        };
        for (const auto& [how, trigger] : triggers) {
            SCOPED_TRACE(std::string(a.keyword) + " by " + how);
            setClipboardText(QStringLiteral("old"));
            const ShownBox box = withBox(trigger, [](QWidget* modal) { ModalAnswer::pressButton(modal, "Yes"); });
            EXPECT_EQ(box.text, QStringLiteral("Copy %1 setting to Windows Clip Board?").arg(a.keyword));
            EXPECT_EQ(box.title, QStringLiteral("Confirm"));
            EXPECT_EQ(box.icon, QMessageBox::Question);
            EXPECT_EQ(clipboardText(), QLatin1String(a.fragment));
        }
    }
}

TEST_F(ClipboardTest, ConfirmationBoxOffersYesThenNoWithYesTheDefault)
{
    withBox([&] { QTest::mouseDClick(w.LblTextSum, Qt::LeftButton, {}, QPoint(5, 5)); },
        [](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            QAbstractButton *yes = nullptr, *no = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QStringLiteral("&Yes"))
                    yes = button;
                if (button->text() == QStringLiteral("&No"))
                    no = button;
            }
            ASSERT_TRUE(yes && no);
            EXPECT_EQ(box->buttons().size(), 2);
            EXPECT_LT(yes->mapToGlobal(QPoint()).x(), no->mapToGlobal(QPoint()).x()) << "No stands before Yes";
            EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), yes);
            // Enter answers with the default button.
            QTest::keyClick(box, Qt::Key_Return);
        });
    EXPECT_EQ(clipboardText(), QStringLiteral(R"(TEXT="#FFFFFF")"));
}

TEST_F(ClipboardTest, NoEscapeAndTheCloseBoxLeaveTheClipboardAlone)
{
    const std::pair<const char*, std::function<void(QWidget*)>> answers[] = {
        {"No", [](QWidget* box) { ModalAnswer::pressButton(box, "No"); }},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        {"close box", [](QWidget* box) { box->close(); }},
    };
    for (const auto& [how, answer] : answers) {
        SCOPED_TRACE(how);
        setClipboardText(QStringLiteral("keep me"));
        const ShownBox box = withBox([&] { QTest::mouseDClick(w.VLinkLbl, Qt::LeftButton, {}, QPoint(5, 5)); }, answer);
        EXPECT_EQ(box.text, QStringLiteral("Copy VLINK setting to Windows Clip Board?"));
        EXPECT_EQ(clipboardText(), QStringLiteral("keep me"));
    }
}

TEST_F(ClipboardTest, PastedAttributeTextColoursTheSchemeAndMovesTheActiveSliders)
{
    paste(QStringLiteral(R"(<body bgcolor="#ff00ff">)"));
    const SchemeView v = SchemeView::of(w);
    EXPECT_EQ(v.summaries[0], QStringLiteral("FF00FF"));
    EXPECT_EQ(v.tile, 0xFF00FF);
    for (TColor background : v.sampleBackgrounds)
        EXPECT_EQ(background, 0xFF00FF);
    EXPECT_EQ(v.levels[0], 255);
    EXPECT_EQ(v.levels[1], 0);
    EXPECT_EQ(v.levels[2], 255);
    EXPECT_EQ(v.decimal[2], QStringLiteral("255"));
    EXPECT_EQ(v.summaries[1], QStringLiteral("FFFFFF"));
    expectInvariantAtRest(w);
}

TEST_F(ClipboardTest, PastingAnInactiveAttributeLeavesTheSlidersAlone)
{
    SchemeView expected = SchemeView::of(w);
    paste(QStringLiteral(R"(TEXT="#123456")"));
    expected.summaries[1] = QStringLiteral("123456");
    expected.sampleFonts[0] = 0x563412;
    EXPECT_EQ(SchemeView::of(w), expected);

    // Once TEXT is the attribute being edited, a paste brings its sliders along.
    QTest::mouseClick(w.RBText, Qt::LeftButton, {}, QPoint(6, 8));
    setClipboardText(QStringLiteral(R"(text="#abcdef")"));
    chooseFromEditMenu(Qt::Key_P);
    EXPECT_EQ(w.EditRedHex->text() + w.EditGreenHex->text() + w.EditBlueHex->text(), QStringLiteral("ABCDEF"));
    EXPECT_EQ(w.EditRedDec->text(), QStringLiteral("171"));
    expectInvariantAtRest(w);
}

TEST_F(ClipboardTest, ValueThatIsNotHexStopsThePasteWhereItIs)
{
    const SchemeView before = SchemeView::of(w);
    const ShownBox box = withBox([&] { paste(QStringLiteral(R"(BGCOLOR="#12345G" TEXT="#00FF00")")); },
        [](QWidget* modal) { ModalAnswer::pressButton(modal, "OK"); });
    EXPECT_EQ(box.text, QStringLiteral("'$5G3412' is not a valid integer value."));
    EXPECT_EQ(box.title, QStringLiteral("Huewise32"));
    SchemeView expected = before;
    expected.summaries[0] = QStringLiteral("12345G");
    EXPECT_EQ(SchemeView::of(w), expected) << "the tile changed or TEXT was applied";

    // What the failed paste left in the label goes out unchanged.
    QTest::mouseClick(w.SBCopy, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(clipboardText(), QStringLiteral(R"(BGCOLOR="#12345G" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")"));
}

TEST_F(ClipboardTest, EmptyOrPictureClipboardChangesNothing)
{
    const SchemeView before = SchemeView::of(w);
    QGuiApplication::clipboard()->clear();
    ModalAnswer noBox([](QWidget* box) { box->close(); }, 300);
    QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_FALSE(noBox.answered());
    EXPECT_EQ(SchemeView::of(w), before);
}

TEST_F(ClipboardTest, CopyThenPasteRestoresAllFourValuesAndColours)
{
    paste(QStringLiteral(R"(BGCOLOR="#102030" TEXT="#405060" LINK="#708090" VLINK="#A0B0C0")"));
    QTest::mouseClick(w.SBCopy, Qt::LeftButton, {}, QPoint(12, 12));
    const QString copied = clipboardText();
    const SchemeView wanted = SchemeView::of(w);

    paste(defaultScheme);
    ASSERT_NE(SchemeView::of(w), wanted);
    paste(copied);
    EXPECT_EQ(SchemeView::of(w), wanted);
    EXPECT_EQ(wanted.sampleFonts[2], 0xC0B0A0);
}

} // namespace
