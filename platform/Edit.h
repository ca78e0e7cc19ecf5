// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QLineEdit>
#include <functional>
#include <optional>

// What a box's text is while it is being typed: a value it takes, text on
// the way to one, or text it refuses.
enum class TTextCheck { Complete, Partial, Refused };
using TTextRule = std::function<TTextCheck(const QString& text)>;

// A one-line text box. Text set from code runs no handler and is what
// Escape goes back to. Typed text is entered by Enter, by the focus leaving
// the box (Tab, a click elsewhere in the window) and before a menu command
// runs: OnAccept runs for a Complete text, any other text goes back.
class TEdit : public TWidget<QLineEdit> {
public:
    explicit TEdit(QWidget* parent);

    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }
    // Hides QLineEdit's, so that the box knows what code put there.
    void setText(const QString& text);

    // A keystroke or paste that would make the text Refused is refused in
    // place; blanks are dropped, so a value pasted with them still fits.
    void setRule(TTextRule rule);
    TTextCheck check(const QString& text) const;

    // True while the box holds typed text that has not been entered.
    bool typing() const { return typing_; }
    void finishTyping();

    TNotifyEvent OnAccept;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QPalette::ColorRole colorRole() const override { return QPalette::Base; }
    QPalette::ColorRole fontColorRole() const override { return QPalette::Text; }

private:
    void setTyping(bool typing);
    void restore();
    // The clipboard's text, blanks dropped, when it is a value this box takes.
    std::optional<QString> clipboardValue() const;

    TTextRule rule_;
    QString shown_;
    bool typing_ = false;
    bool selectOnRelease_ = false;
};

// Enters what is being typed in the focused box, if any, as leaving it would.
void finishTypingInFocusedBox();
