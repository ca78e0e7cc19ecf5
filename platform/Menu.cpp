// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Menu.h"

#include "platform/Application.h"
#include "platform/Edit.h"
#include "platform/Form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(QObject* owner, const QString& caption, QMenu* menu)
    : QObject(owner)
    , caption_(caption)
    , menu_(menu)
{
    if (menu_) {
        action_ = menu_->menuAction();
    } else {
        // A separator shows its line only: Qt would draw the "-" beside it.
        const bool separator = caption == QLatin1String("-");
        action_ = new QAction(separator ? QString() : caption, this);
        action_->setSeparator(separator);
        connect(action_, &QAction::triggered, this, [this] {
            // Qt has already flipped a checkable action; the check mark is ours.
            action_->setChecked(checked_);
            click();
        });
    }
}

void TMenuItem::setChecked(bool checked)
{
    checked_ = checked;
    if (menu_)
        return;
    action_->setCheckable(checked);
    action_->setChecked(checked);
}

QList<QKeySequence> TMenuItem::shortcuts() const
{
    return action_->shortcuts();
}

void TMenuItem::setShortcuts(const QList<QKeySequence>& keys)
{
    action_->setShortcuts(keys);
}

TMenuItem* TMenuItem::add(const QString& caption)
{
    if (!menu_) {
        // Only menus of the bar hold items in this program.
        return nullptr;
    }
    auto* item = new TMenuItem(this, caption, nullptr);
    menu_->addAction(item->action());
    items_.push_back(item);
    return item;
}

void TMenuItem::click()
{
    // A value being typed counts as entered before the command runs.
    finishTypingInFocusedBox();
    if (OnClick)
        Application->dispatch([this] { OnClick(this); });
}

TMainMenu::TMainMenu(TForm* owner)
    : QObject(owner)
    , bar_(new QMenuBar(owner))
{
    owner->setMenuBar(bar_);
}

TMenuItem* TMainMenu::add(const QString& caption)
{
    auto* menu = new QMenu(caption, bar_);
    auto* item = new TMenuItem(this, caption, menu);
    bar_->addMenu(menu);
    items_.push_back(item);
    return item;
}

void TMainMenu::setFont(const QFont& font)
{
    bar_->setFont(font);
    for (TMenuItem* item : items_)
        item->menu()->setFont(font);
}
