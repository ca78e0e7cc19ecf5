// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/QtPrinters.h"

#include <QString>
#include <QWidget>
#include <functional>

// Answers modal boxes the way a person would: waits for each to be the
// active modal widget, then runs `answer` on it, for as long as it lives. A watchdog closes any modal
// left open so a failed test never hangs in exec().
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget* modal)> answer, int timeoutMs = 5000);
    ~ModalAnswer();

    bool answered() const { return answered_; }

    // Presses the button with this text (as shown, "&" removed) on a message box.
    static void pressButton(QWidget* modal, const QString& text);

private:
    std::function<void(QWidget*)> answer_;
    bool answered_ = false;
    struct Poller;
    Poller* poller_;
};

struct ShownBox {
    QString title;
    QString text;
    int icon = 0;
    QStringList buttons;
};

// Reads what a message box shows.
ShownBox readBox(QWidget* modal);
