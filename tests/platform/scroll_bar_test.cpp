// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Form.h"
#include "platform/ScrollBar.h"

#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

// Reaches the style option so the test can find the arrows, the trough and
// the thumb wherever the style draws them.
class ProbeBar : public TScrollBar {
public:
    using TScrollBar::TScrollBar;
    QRect part(QStyle::SubControl control) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, control, this);
    }
};

struct Notification {
    TScrollCode code;
    int scrollPos;
    int positionDuringCall;
    bool operator==(const Notification&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Notification& n)
{
    return out << "{code " << static_cast<int>(n.code) << ", scrollPos " << n.scrollPos << ", position "
               << n.positionDuringCall << "}";
}

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setClientWidth(200);
        form.setClientHeight(60);
        bar = new ProbeBar(form.client());
        bar->setBounds(64, 20, 121, 25);
        bar->setMin(0);
        bar->setMax(255);
        bar->OnScroll = [this](QObject*, TScrollCode code, int& scrollPos) {
            seen.push_back({code, scrollPos, bar->position()});
        };
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void click(QStyle::SubControl part) { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->part(part).center()); }

    TForm form;
    ProbeBar* bar = nullptr;
    std::vector<Notification> seen;
};

using enum TScrollCode;

TEST_F(ScrollBarTest, SettingPositionFromCodeRunsNoHandlerAndClamps)
{
    bar->setPosition(128);
    EXPECT_EQ(bar->position(), 128);
    bar->setPosition(300);
    EXPECT_EQ(bar->position(), 255);
    bar->setPosition(-5);
    EXPECT_EQ(bar->position(), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(ScrollBarTest, ArrowClicksMoveByOneAndEndTheInteraction)
{
    click(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(seen, (std::vector<Notification>{{scLineDown, 1, 1}, {scEndScroll, 1, 1}}));
    seen.clear();
    click(QStyle::SC_ScrollBarSubLine);
    click(QStyle::SC_ScrollBarSubLine);
    // At the left end the proposed level is clamped, and still notified.
    EXPECT_EQ(seen,
        (std::vector<Notification>{{scLineUp, 0, 0}, {scEndScroll, 0, 0}, {scLineUp, 0, 0}, {scEndScroll, 0, 0}}));
}

TEST_F(ScrollBarTest, TroughClickMovesByOneHexadecimalDigit)
{
    bar->setPosition(100);
    click(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(bar->position(), 116);
    click(QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(bar->position(), 100);
    EXPECT_EQ(seen,
        (std::vector<Notification>{
            {scPageDown, 116, 116}, {scEndScroll, 116, 116}, {scPageUp, 100, 100}, {scEndScroll, 100, 100}}));
    // Near an end the step stops there.
    bar->setPosition(250);
    click(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(bar->position(), 255);
}

TEST_F(ScrollBarTest, KeysMoveByOneBySixteenAndToTheEnds)
{
    const struct {
        Qt::Key key;
        TScrollCode code;
        int expected;
    } cases[] = {
        {Qt::Key_Right, scLineDown, 11},
        {Qt::Key_Down, scLineDown, 11},
        {Qt::Key_Left, scLineUp, 9},
        {Qt::Key_Up, scLineUp, 9},
        {Qt::Key_PageDown, scPageDown, 26},
        {Qt::Key_PageUp, scPageUp, 0},
        {Qt::Key_Home, scTop, 0},
        {Qt::Key_End, scBottom, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        bar->setPosition(10);
        seen.clear();
        QTest::keyClick(bar, c.key);
        EXPECT_EQ(
            seen, (std::vector<Notification>{{c.code, c.expected, c.expected}, {scEndScroll, c.expected, c.expected}}));
        EXPECT_EQ(bar->position(), c.expected);
    }
}

TEST_F(ScrollBarTest, DraggingTheThumbFollowsAtOnceAndEndsWhereItRests)
{
    const QRect thumb = bar->part(QStyle::SC_ScrollBarSlider);
    const QRect groove = bar->part(QStyle::SC_ScrollBarGroove);
    QPoint at = thumb.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    while (at.x() < groove.right() + 20) {
        at.rx() += 7;
        QTest::mouseMove(bar, at);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);

    ASSERT_GE(seen.size(), 4u);
    int last = -1;
    for (std::size_t i = 0; i + 2 < seen.size(); ++i) {
        EXPECT_EQ(seen[i].code, scTrack);
        // The read-outs follow the thumb: the bar already holds the level.
        EXPECT_EQ(seen[i].positionDuringCall, seen[i].scrollPos);
        EXPECT_GE(seen[i].scrollPos, last);
        last = seen[i].scrollPos;
    }
    EXPECT_EQ(last, 255);
    EXPECT_EQ(seen[seen.size() - 2], (Notification{scPosition, 255, 255}));
    EXPECT_EQ(seen.back(), (Notification{scEndScroll, 255, 255}));
    EXPECT_EQ(bar->position(), 255);
}

TEST_F(ScrollBarTest, HandlerCanOverrideTheProposedLevel)
{
    bar->OnScroll = [](QObject*, TScrollCode, int& scrollPos) { scrollPos = 7; };
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(bar->position(), 7);
}

TEST_F(ScrollBarTest, FocusShowsAMarkAroundTheBar)
{
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* other = new TScrollBar(form.client());
    other->setBounds(64, 0, 121, 18);
    other->show();
    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    const QImage without = bar->grab().toImage();
    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(bar->hasFocus());
    const QImage with = bar->grab().toImage();
    ASSERT_EQ(with.size(), without.size());
    // The mark runs along the edge, all round: every side changes.
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int x = 0; x < with.width(); ++x) {
        for (int y : {1, 2}) {
            top += with.pixel(x, y) != without.pixel(x, y);
            bottom += with.pixel(x, with.height() - 1 - y) != without.pixel(x, with.height() - 1 - y);
        }
    }
    for (int y = 0; y < with.height(); ++y) {
        for (int x : {1, 2}) {
            left += with.pixel(x, y) != without.pixel(x, y);
            right += with.pixel(with.width() - 1 - x, y) != without.pixel(with.width() - 1 - x, y);
        }
    }
    EXPECT_GT(top, with.width() / 2);
    EXPECT_GT(bottom, with.width() / 2);
    EXPECT_GT(left, with.height() / 2);
    EXPECT_GT(right, with.height() / 2);
    QTest::keyClick(bar, Qt::Key_Tab);
    EXPECT_EQ(bar->grab().toImage(), without) << "the mark stays after the focus left";
}

TEST_F(ScrollBarTest, WheelNotchIsOneStepEndedAtOnce)
{
    bar->setPosition(50);
    QWheelEvent down(QPointF(10, 10), bar->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &down);
    EXPECT_EQ(seen, (std::vector<Notification>{{scLineDown, 51, 51}, {scEndScroll, 51, 51}}));
}

} // namespace
