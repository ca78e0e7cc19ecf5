// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Edit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QValidator>

namespace {

class RuleValidator : public QValidator {
public:
    explicit RuleValidator(const TEdit& edit)
        : QValidator(const_cast<TEdit*>(&edit))
        , edit_(edit)
    {}

    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (!input.at(i).isSpace())
                continue;
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
        switch (edit_.check(input)) {
        case TTextCheck::Complete: return Acceptable;
        case TTextCheck::Partial: return Intermediate;
        case TTextCheck::Refused: break;
        }
        return Invalid;
    }

private:
    const TEdit& edit_;
};

QString withoutBlanks(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

bool isCopyKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Copy) || key->keyCombination() == (Qt::ControlModifier | Qt::Key_Insert);
}

bool isPasteKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Paste) || key->keyCombination() == (Qt::ShiftModifier | Qt::Key_Insert);
}

} // namespace

TEdit::TEdit(QWidget* parent)
    : TWidget<QLineEdit>(parent)
{
    setTabStop(TTabStop::Yes);
    // The read-outs are narrow; Qt's text margins would push two digits out.
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textEdited, this, [this] { setTyping(true); });
}

void TEdit::setText(const QString& text)
{
    QLineEdit::setText(text);
    shown_ = text;
    setTyping(false);
}

void TEdit::setRule(TTextRule rule)
{
    rule_ = std::move(rule);
    setValidator(rule_ ? new RuleValidator(*this) : nullptr);
}

TTextCheck TEdit::check(const QString& text) const
{
    return rule_ ? rule_(text) : TTextCheck::Complete;
}

void TEdit::setTyping(bool typing)
{
    if (typing == typing_)
        return;
    typing_ = typing;
    // While typing, a click anywhere else in the window enters the value,
    // also on controls that never take the focus (the tile, the tool bar).
    if (typing_)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TEdit::restore()
{
    QLineEdit::setText(shown_);
    setTyping(false);
}

void TEdit::finishTyping()
{
    if (!typing_)
        return;
    if (check(text()) != TTextCheck::Complete) {
        restore();
        return;
    }
    // Before the handler, which may move the focus and come back here.
    shown_ = text();
    setTyping(false);
    fire(OnAccept);
}

std::optional<QString> TEdit::clipboardValue() const
{
    const QString text = withoutBlanks(QGuiApplication::clipboard()->text());
    if (text.isEmpty() || text.size() > maxLength() || check(text) != TTextCheck::Complete)
        return std::nullopt;
    return text;
}

bool TEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Copy and paste keys are the box's only when there is something for
        // it to do; otherwise they stay the window's (Copy and Paste Scheme).
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((isCopyKey(key) && !hasSelectedText()) || (isPasteKey(key) && !clipboardValue())) {
            event->ignore();
            return true;
        }
        if (isCopyKey(key) || isPasteKey(key)) {
            event->accept();
            return true;
        }
    }
    return TWidget<QLineEdit>::event(event);
}

bool TEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget != this && widget->window() == window())
            finishTyping();
    }
    return false;
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finishTyping();
        event->accept();
        return;
    case Qt::Key_Escape:
        if (typing_) {
            restore();
            event->accept();
            return;
        }
        // Nothing to take back: the window may want the key.
        event->ignore();
        return;
    default: break;
    }
    if (isCopyKey(event) && hasSelectedText()) {
        // Ctrl+Insert too, whatever the platform's own copy keys are.
        copy();
        event->accept();
        return;
    }
    if (isPasteKey(event)) {
        if (const auto value = clipboardValue()) {
            // A whole value replaces what the box holds instead of going in at the cursor.
            selectAll();
            insert(*value);
            setTyping(text() != shown_);
            event->accept();
            return;
        }
    }
    TWidget<QLineEdit>::keyPressEvent(event);
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    TWidget<QLineEdit>::focusInEvent(event);
    // Qt selects the text for Tab but not for a click; a box this small is
    // typed over, not into.
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void TEdit::focusOutEvent(QFocusEvent* event)
{
    TWidget<QLineEdit>::focusOutEvent(event);
    // A pop-up (a menu, the box's own context menu) is not leaving the box;
    // a menu command enters the value itself.
    if (event->reason() != Qt::PopupFocusReason)
        finishTyping();
}

void TEdit::mouseReleaseEvent(QMouseEvent* event)
{
    TWidget<QLineEdit>::mouseReleaseEvent(event);
    if (selectOnRelease_ && !hasSelectedText())
        selectAll();
    selectOnRelease_ = false;
}

void finishTypingInFocusedBox()
{
    if (auto* edit = dynamic_cast<TEdit*>(QApplication::focusWidget()))
        edit->finishTyping();
}
