// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Exceptions.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "support/ModalAnswer.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>

namespace {

class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setClientWidth(200);
        form.setClientHeight(100);
        label = new TLabel(form.client());
        label->setBounds(10, 10, 100, 16);
        label->setCaption(QStringLiteral("click me"));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    ShownBox clickAndReadErrorBox()
    {
        ShownBox shown;
        ModalAnswer answer([&](QWidget* modal) {
            shown = readBox(modal);
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(answer.answered()) << "no error box came up";
        return shown;
    }

    TForm form;
    TLabel* label = nullptr;
};

TEST_F(DispatcherTest, ErrorLeavingAHandlerShowsTheDefaultErrorBoxAndSkipsTheRest)
{
    const struct {
        std::function<void()> raise;
        const char* shown;
    } cases[] = {
        {[] { throw EConvertError(QStringLiteral("'$GG' is not a valid integer value")); },
            "'$GG' is not a valid integer value."},
        {[] { throw Exception(QStringLiteral("Unable to write to Huewise.ini")); }, "Unable to write to Huewise.ini."},
        {[] { throw std::runtime_error("Stream write error"); }, "Stream write error."},
        {[] { throw Exception(QStringLiteral("Already a sentence.")); }, "Already a sentence."},
    };
    for (const auto& c : cases) {
        bool restRan = false;
        label->OnClick = [&](QObject*) {
            c.raise();
            restRan = true;
        };
        const ShownBox box = clickAndReadErrorBox();
        EXPECT_EQ(box.text, QLatin1String(c.shown));
        EXPECT_EQ(box.title, QStringLiteral("Huewise32"));
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_FALSE(restRan);
    }
}

TEST_F(DispatcherTest, ProgramGoesOnAfterAnError)
{
    int runs = 0;
    label->OnClick = [&](QObject*) {
        if (++runs == 1)
            throw Exception(QStringLiteral("first time"));
    };
    clickAndReadErrorBox();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(FormClose, ErrorInTheCloseHandlerKeepsTheWindowOpen)
{
    TForm form;
    form.OnClose = [](QObject*, TCloseAction&) { throw Exception(QStringLiteral("Unable to write to Huewise.ini")); };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ShownBox shown;
    {
        ModalAnswer answer([&](QWidget* modal) {
            shown = readBox(modal);
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        form.close(); // the close box
        EXPECT_TRUE(answer.answered());
    }
    EXPECT_EQ(shown.text, QStringLiteral("Unable to write to Huewise.ini."));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(Application->terminated());

    form.OnClose = nullptr;
    form.close();
    EXPECT_FALSE(form.isVisible()) << "a secondary form hides on close";
}

} // namespace
