// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/ColorDialog.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/RadioButton.h"
#include "platform/Timer.h"
#include "support/ModalAnswer.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Help_frm/Help_frm.h"
#include "windows/Splash/Splash.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QTest>

namespace {

const char* const scheme = R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")";

TEST(MenuShortcuts, EachItemShowsItsKeyWithQtsStandardOnesBeside)
{
    TColor_Scan w;
    const struct {
        TMenuItem* item;
        const char* shown;
        std::vector<const char*> also;
    } expected[] = {
        {w.NewMnu, "Ctrl+N", {}},
        {w.OpenMnu, "Ctrl+O", {}},
        {w.SaveMnu, "Ctrl+S", {}},
        {w.SaveAsMnu, "Ctrl+Shift+S", {}},
        {w.ExitMnu, "Ctrl+Q", {}},
        {w.CopyScheme1, "Ctrl+C", {"Ctrl+Ins"}},
        {w.PasteScheme1, "Ctrl+V", {"Shift+Ins"}},
        {w.CopyCss1, "Ctrl+Shift+C", {}},
        {w.HlpUsage, "F1", {}},
    };
    std::vector<QKeySequence> all;
    for (const auto& e : expected) {
        SCOPED_TRACE(e.item->caption().toStdString());
        // The menu shows the first.
        EXPECT_EQ(e.item->action()->shortcut().toString(QKeySequence::PortableText), QLatin1String(e.shown));
        for (const char* key : e.also)
            EXPECT_TRUE(e.item->shortcuts().contains(QKeySequence(QLatin1String(key)))) << key;
        for (const QKeySequence& key : e.item->shortcuts()) {
            EXPECT_EQ(std::count(all.begin(), all.end(), key), 0) << "two items share " << key.toString().toStdString();
            all.push_back(key);
        }
    }
    // The others have none.
    for (TMenuItem* item : {w.CustomColor1, w.CopyBackground1, w.CopyText1, w.CopyLink1, w.CopyVLink1, w.HlpAbout,
             w.HlpHints, w.SaveSettings, w.ToolBarMnu, w.ContrastCheck1})
        EXPECT_TRUE(item->shortcuts().isEmpty()) << item->caption().toStdString();
}

TEST(MenuShortcuts, MenusDrawTheirSeparatorsAsLinesOnly)
{
    TColor_Scan w;
    ASSERT_TRUE(startAlone(w));
    for (TMenuItem* separator : {w.N1, w.N2, w.N3, w.N4}) {
        EXPECT_EQ(separator->caption(), QStringLiteral("-"));
        EXPECT_TRUE(separator->action()->text().isEmpty());
        QMenu* menu = separator->action()->associatedObjects().isEmpty()
            ? nullptr
            : qobject_cast<QMenu*>(separator->action()->associatedObjects().constFirst());
        ASSERT_NE(menu, nullptr);
        menu->popup(w.mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        const QRect row = menu->actionGeometry(separator->action());
        const QImage image = menu->grab(row).toImage();
        menu->hide();
        // A line across, of one colour from end to end; a caption beside it
        // would push its start along and make its row taller.
        int odd = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 8; x < image.width() - 8; ++x)
                odd += image.pixel(x, y) != image.pixel(image.width() / 2, y);
        EXPECT_EQ(odd, 0) << "something is drawn beside the separator's line";
    }
}

class ShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createProgramWindows(*Application);
        Color_Scan->TmrSplash->tick();
        ASSERT_TRUE(showAndActivate(*Color_Scan));
        // Where the focus is after the hand-over: on the checked attribute button.
        Color_Scan->RBBGColor->setFocus();
    }
    void TearDown() override { Application->Reset(); }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

TEST_F(ShortcutsTest, CopyPasteAndCssKeysWorkFromTheWindow)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        clipboard->setText(QStringLiteral("old"));
        press(Qt::Key_C, modifiers);
        EXPECT_EQ(clipboard->text(), QLatin1String(scheme));
    }
    clipboard->setText(QStringLiteral("old"));
    press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QLatin1String(scheme));

    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(clipboard->text().startsWith(QStringLiteral("body { background-color: #000000;")));

    clipboard->setText(QStringLiteral(R"(<body bgcolor="#FFFFCC">)"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Color_Scan->LblBGSum->caption(), QStringLiteral("FFFFCC"));
    clipboard->setText(QStringLiteral(R"(<body bgcolor="#123456">)"));
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Color_Scan->LblBGSum->caption(), QStringLiteral("123456"));
}

TEST_F(ShortcutsTest, F1OpensTheHelpAndCtrlNClearsTheCustomColours)
{
    press(Qt::Key_F1);
    EXPECT_TRUE(HelpForm->isVisible());
    ASSERT_TRUE(showAndActivate(*Color_Scan));
    Color_Scan->RBBGColor->setFocus();
    ASSERT_GT(Color_Scan->ColorDlg->customColors().count(), 0);
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Color_Scan->ColorDlg->customColors().count(), 0);
}

TEST_F(ShortcutsTest, FileKeysOpenTheFileDialogs)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QFileDialog::AcceptMode mode;
    } cases[] = {
        {Qt::Key_O, Qt::ControlModifier, QFileDialog::AcceptOpen},
        {Qt::Key_S, Qt::ControlModifier, QFileDialog::AcceptSave},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, QFileDialog::AcceptSave},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.modifiers | c.key).toString().toStdString());
        std::optional<QFileDialog::AcceptMode> seen;
        {
            ModalAnswer answer([&](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                    seen = dialog->acceptMode();
                modal->close();
            });
            press(c.key, c.modifiers);
            EXPECT_TRUE(answer.answered());
        }
        EXPECT_EQ(seen, c.mode);
        ASSERT_TRUE(showAndActivate(*Color_Scan));
        Color_Scan->RBBGColor->setFocus();
    }
}

TEST_F(ShortcutsTest, CtrlQEndsTheProgramThroughTheCloseHandler)
{
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(Application->terminated());
    EXPECT_FALSE(Color_Scan->isVisible());
}

} // namespace
