// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScrollBar.h"

#include "platform/Application.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

TScrollBar::TScrollBar(QWidget* parent)
    : TWidget<QScrollBar>(Qt::Horizontal, parent)
{
    setRange(0, 100);
    // An arrow moves a level by one; the trough and PageUp/PageDown by one
    // hexadecimal digit.
    setSingleStep(1);
    setPageStep(16);
    // Qt leaves scroll bars out of the Tab chain; ours are in it.
    setFocusPolicy(Qt::StrongFocus);
    // "Scroll here" and friends would move the bar without a notification.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { onAction(action); });
}

void TScrollBar::paintEvent(QPaintEvent* event)
{
    TWidget<QScrollBar>::paintEvent(event);
    if (!hasFocus())
        return;
    // The styles draw no focus on a scroll bar; without a mark the keys
    // would seem to go nowhere.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TScrollBar::setPosition(int position)
{
    setValue(position);
}

void TScrollBar::onAction(int action)
{
    // Qt calls this before it applies the action: sliderPosition() is the
    // proposed level, already clamped to the range, and value() the old one.
    TScrollCode code = TScrollCode::scTrack;
    switch (action) {
    case SliderSingleStepSub: code = TScrollCode::scLineUp; break;
    case SliderSingleStepAdd: code = TScrollCode::scLineDown; break;
    case SliderPageStepSub: code = TScrollCode::scPageUp; break;
    case SliderPageStepAdd: code = TScrollCode::scPageDown; break;
    case SliderToMinimum: code = TScrollCode::scTop; break;
    case SliderToMaximum: code = TScrollCode::scBottom; break;
    default: code = TScrollCode::scTrack; break;
    }
    notify(code, sliderPosition());
}

void TScrollBar::notify(TScrollCode code, int proposed)
{
    setValue(proposed);
    if (!OnScroll)
        return;
    int scrollPos = value();
    Application->dispatch([&] { OnScroll(this, code, scrollPos); });
    if (scrollPos != value())
        setValue(scrollPos);
}

void TScrollBar::keyPressEvent(QKeyEvent* event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: TWidget<QScrollBar>::keyPressEvent(event); return;
    }
    interacting_ = true;
    triggerAction(action);
    event->accept();
}

void TScrollBar::keyReleaseEvent(QKeyEvent* event)
{
    if (interacting_ && !event->isAutoRepeat()) {
        interacting_ = false;
        notify(TScrollCode::scEndScroll, value());
        event->accept();
        return;
    }
    TWidget<QScrollBar>::keyReleaseEvent(event);
}

void TScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        interacting_ = true;
    TWidget<QScrollBar>::mousePressEvent(event);
}

void TScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dragging = isSliderDown();
    TWidget<QScrollBar>::mouseReleaseEvent(event);
    if (dragging)
        notify(TScrollCode::scPosition, value());
    if (interacting_ && event->button() == Qt::LeftButton) {
        interacting_ = false;
        notify(TScrollCode::scEndScroll, value());
    }
}

void TScrollBar::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0) {
        event->ignore();
        return;
    }
    // One wheel notch is one arrow click, ended at once.
    triggerAction(delta > 0 ? SliderSingleStepSub : SliderSingleStepAdd);
    notify(TScrollCode::scEndScroll, value());
    event->accept();
}
