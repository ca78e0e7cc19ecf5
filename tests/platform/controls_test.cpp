// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/SpeedButton.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolTip>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setClientWidth(300);
        form.setClientHeight(200);
        form.setShowHint(true);
        panel = new TPanel(form.client());
        panel->setBounds(10, 10, 200, 120);
        label = new TLabel(panel);
        label->setBounds(20, 20, 100, 16);
        label->setCaption(QStringLiteral("sample"));
        for (TRadioButton** button : {&first, &second}) {
            *button = new TRadioButton(panel);
            (*button)->setCaption(QStringLiteral("choice"));
        }
        first->setBounds(20, 60, 80, 17);
        second->setBounds(20, 80, 80, 17);
        first->setChecked(true);
        for (TControl* control : std::initializer_list<TControl*>{panel, label, first, second})
            control->OnClick = [this, control](QObject*) { clicks.push_back(control); };
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void TearDown() override { QToolTip::hideText(); }

    // Rests the mouse on a control the way a person does and reports the
    // balloon that comes up, if any.
    static QString balloonAfterResting(QWidget* widget)
    {
        // Qt hides a balloon on a short timer; start from none at all.
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
        QTest::mouseMove(widget, QPoint(3, 3));
        QTest::mouseMove(widget, QPoint(5, 5));
        const bool shown = QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1500);
        return shown ? QToolTip::text() : QString();
    }

    TForm form;
    TPanel* panel = nullptr;
    TLabel* label = nullptr;
    TRadioButton* first = nullptr;
    TRadioButton* second = nullptr;
    std::vector<TControl*> clicks;
};

TEST_F(ControlsTest, SettingValuesFromCodeRunsNoHandler)
{
    second->setChecked(true);
    first->setChecked(true);
    first->setChecked(false);
    label->setCaption(QStringLiteral("changed"));
    label->setFontColor(clRed);
    panel->setColor(clBlack);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ControlsTest, RadioClickRunsOnlyWhenTheButtonBecomesChecked)
{
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(clicks.empty()) << "the checked button ran its handler again";
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(clicks, std::vector<TControl*>{second});
    EXPECT_TRUE(second->checked());
    EXPECT_FALSE(first->checked());
}

TEST_F(ControlsTest, OnlyTheCheckedRadioButtonIsATabStop)
{
    EXPECT_EQ(first->focusPolicy(), Qt::StrongFocus);
    EXPECT_NE(second->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(second->focusPolicy(), Qt::StrongFocus);
    EXPECT_NE(first->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

TEST_F(ControlsTest, LabelTakesItsClicksAndDoubleClicks)
{
    int doubles = 0;
    label->OnDblClick = [&](QObject*) { ++doubles; };
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, std::vector<TControl*>{label}) << "a click on the label fell through to the panel";
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doubles, 1);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_EQ(clicks.back(), panel);
}

TEST_F(ControlsTest, BalloonsFollowShowHintAndTheParent)
{
    label->setHint(QStringLiteral("Label hint."));
    panel->setHint(QStringLiteral("Panel hint."));
    EXPECT_EQ(balloonAfterResting(label), QStringLiteral("Label hint."));

    // The label follows its parent until it gets a ShowHint of its own.
    panel->setShowHint(false);
    EXPECT_FALSE(label->showHint());
    EXPECT_EQ(balloonAfterResting(label).toStdString(), "");
    label->setShowHint(true);
    EXPECT_FALSE(label->parentShowHint());
    EXPECT_EQ(balloonAfterResting(label), QStringLiteral("Label hint."));

    label->setShowHint(false);
    panel->setShowHint(true);
    EXPECT_TRUE(balloonAfterResting(label).isEmpty()) << "the parent's hint showed through";
}

TEST_F(ControlsTest, ControlWithoutHintShowsNoBalloon)
{
    panel->setHint(QStringLiteral("Panel hint."));
    EXPECT_TRUE(balloonAfterResting(label).isEmpty());
}

TEST(MenuItem, ClickRunsHandlerButNeverTurnsTheCheckMark)
{
    TForm form;
    TMainMenu menu(&form);
    TMenuItem* options = menu.add(QStringLiteral("&Options"));
    TMenuItem* item = options->add(QStringLiteral("&ToolBar"));
    item->setHint(QStringLiteral("A hint nobody sees."));
    int runs = 0;
    item->OnClick = [&](QObject*) { ++runs; };

    item->setChecked(true);
    EXPECT_EQ(runs, 0);
    item->action()->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(item->checked());
    EXPECT_TRUE(item->action()->isChecked());

    item->setChecked(false);
    item->action()->trigger();
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(item->checked());
    EXPECT_FALSE(item->action()->isChecked());

    // Menu hints are kept, and shown nowhere.
    EXPECT_EQ(item->hint(), QStringLiteral("A hint nobody sees."));
    EXPECT_TRUE(item->action()->toolTip().remove(u'&') != item->hint());
    EXPECT_FALSE(options->menu()->toolTipsVisible());
    EXPECT_TRUE(item->action()->statusTip().isEmpty());
}

TEST(SpeedButton, SplitsItsGlyphIntoImagesAndClicksThroughTheDispatcher)
{
    TForm form;
    auto* button = new TSpeedButton(form.client());
    button->setBounds(2, 0, 25, 25);
    QPixmap strip(64, 16);
    strip.fill(QColor(0x80, 0x80, 0x00));
    button->setGlyph(strip, 4);
    EXPECT_EQ(button->numGlyphs(), 4);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(clicks, 1);
    // Olive is transparent: the face shows through an all-olive glyph.
    const QImage face = button->grab().toImage();
    EXPECT_EQ(face.pixelColor(12, 12), button->palette().color(QPalette::Button));
}

} // namespace
