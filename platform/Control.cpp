// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Control.h"

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/QtColor.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QToolTip>

void TControl::setBounds(int left, int top, int width, int height)
{
    widget_.setGeometry(left, top, width, height);
}

void TControl::setAlign(TAlign align)
{
    align_ = align;
    if (align_ == TAlign::alClient && widget_.parentWidget())
        widget_.setGeometry(widget_.parentWidget()->rect());
}

bool TControl::showHint() const
{
    if (!parentShowHint_)
        return showHint_;
    for (QWidget* up = widget_.parentWidget(); up; up = up->parentWidget()) {
        if (auto* control = dynamic_cast<TControl*>(up))
            return control->showHint();
    }
    return showHint_;
}

void TControl::setShowHint(bool show)
{
    showHint_ = show;
    parentShowHint_ = false;
}

void TControl::setColor(TColor color)
{
    // The Set operations rewrite every colour on each slider notification;
    // an unchanged one must not cost a palette change and a repaint.
    if (colorApplied_ && color == color_)
        return;
    colorApplied_ = true;
    color_ = color;
    QPalette palette = widget_.palette();
    palette.setColor(colorRole(), toQColor(color, palette));
    widget_.setPalette(palette);
}

void TControl::setFontColor(TColor color)
{
    if (fontColorApplied_ && color == fontColor_)
        return;
    fontColorApplied_ = true;
    fontColor_ = color;
    QPalette palette = widget_.palette();
    palette.setColor(fontColorRole(), toQColor(color, palette));
    widget_.setPalette(palette);
}

void TControl::setTabStop(TTabStop stop)
{
    widget_.setFocusPolicy(stop == TTabStop::Yes ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TControl::hintEvent(QEvent* event)
{
    auto* help = static_cast<QHelpEvent*>(event);
    if (!hint_.isEmpty() && showHint())
        QToolTip::showText(help->globalPos(), hint_, &widget_);
    else
        QToolTip::hideText();
    event->accept();
    return true;
}

bool TControl::mouseClickEvent(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    event->accept();
    if (mouse->button() != Qt::LeftButton)
        return true;
    if (type == QEvent::MouseButtonPress) {
        pressed_ = true;
    } else if (type == QEvent::MouseButtonDblClick) {
        // The release that follows a double press is not another click.
        pressed_ = false;
        fire(OnDblClick);
    } else if (pressed_) {
        pressed_ = false;
        if (widget_.rect().contains(mouse->position().toPoint()))
            fire(OnClick);
    }
    return true;
}

void TControl::fire(const TNotifyEvent& handler)
{
    if (!handler)
        return;
    QObject* sender = &widget_;
    Application->dispatch([&] { handler(sender); });
}
