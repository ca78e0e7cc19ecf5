// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class TForm;

#include "platform/NotifyEvent.h"

// One item of a menu, or a menu of the bar. A caption of "-" is a separator.
// Clicking an item never turns its check mark: only code does, and setting
// it runs no handler. The hint is kept but shown nowhere. Its shortcut keys
// work while its window is active; the menu shows the first of them.
class TMenuItem : public QObject {
public:
    QString caption() const { return caption_; }
    QString hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    QList<QKeySequence> shortcuts() const;
    void setShortcuts(const QList<QKeySequence>& keys);

    // Adds an item under this one, making this one a menu.
    TMenuItem* add(const QString& caption);
    const std::vector<TMenuItem*>& items() const { return items_; }

    QAction* action() const { return action_; }
    QMenu* menu() const { return menu_; }

    // What a click does; tests and the keyboard reach it the same way.
    void click();

    TNotifyEvent OnClick;

private:
    friend class TMainMenu;
    TMenuItem(QObject* owner, const QString& caption, QMenu* menu);

    QString caption_;
    QString hint_;
    bool checked_ = false;
    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMainMenu : public QObject {
public:
    explicit TMainMenu(TForm* owner);

    TMenuItem* add(const QString& caption);
    const std::vector<TMenuItem*>& items() const { return items_; }
    QMenuBar* bar() const { return bar_; }
    // Menus pop up as windows of their own, which do not inherit fonts.
    void setFont(const QFont& font);

private:
    QMenuBar* bar_;
    std::vector<TMenuItem*> items_;
};
