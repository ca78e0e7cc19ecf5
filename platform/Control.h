// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QEvent>
#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/NotifyEvent.h"

enum class TAlign { alNone, alClient };

enum class TTabStop { No, Yes };

// What every control of the windows adds to its Qt widget: bounds in the
// parent's pixels, the hint with its ShowHint/ParentShowHint switch, colours
// as TColor, and the click events run through the application's dispatcher.
class TControl {
public:
    explicit TControl(QWidget& widget)
        : widget_(widget)
    {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    QWidget& widget() const { return widget_; }
    int left() const { return widget_.x(); }
    int top() const { return widget_.y(); }
    void setLeft(int left) { widget_.move(left, top()); }
    void setTop(int top) { widget_.move(left(), top); }
    void setBounds(int left, int top, int width, int height);

    // The text a control shows: a label's or button's caption, an edit's text.
    virtual QString caption() const { return {}; }
    virtual void setCaption(const QString&) {}

    TAlign align() const { return align_; }
    void setAlign(TAlign align);

    QString hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }
    // The effective value: the parent's while ParentShowHint is on.
    bool showHint() const;
    // Like the component library, setting it stops following the parent.
    void setShowHint(bool show);
    bool parentShowHint() const { return parentShowHint_; }
    void setParentShowHint(bool follow) { parentShowHint_ = follow; }

    TColor color() const { return color_; }
    void setColor(TColor color);
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor color);

    void setTabStop(TTabStop stop);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    // Shows the hint balloon, or none; the event never travels to the parent.
    bool hintEvent(QEvent* event);
    // For controls that take clicks themselves (labels, panels, images): a
    // press and release inside is a click, a double press a double click.
    bool mouseClickEvent(QEvent* event);
    void fire(const TNotifyEvent& handler);
    // Which palette roles a colour of this control paints.
    virtual QPalette::ColorRole colorRole() const { return QPalette::Window; }
    virtual QPalette::ColorRole fontColorRole() const { return QPalette::WindowText; }

    QWidget& widget_;

private:
    QString hint_;
    bool showHint_ = true;
    bool parentShowHint_ = true;
    TAlign align_ = TAlign::alNone;
    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
    bool colorApplied_ = false;
    bool fontColorApplied_ = false;
    bool pressed_ = false;
};

// A Qt widget made into a control of the windows.
template <class Widget> class TWidget : public Widget, public TControl {
public:
    template <class... Args>
    explicit TWidget(Args&&... args)
        : Widget(std::forward<Args>(args)...)
        , TControl(static_cast<QWidget&>(*this))
    {}

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            return hintEvent(event);
        if (takesClicks_ && mouseClickEvent(event))
            return true;
        return Widget::event(event);
    }
    bool takesClicks_ = false;
};

enum TFontStyle { fsRegular = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4 };
