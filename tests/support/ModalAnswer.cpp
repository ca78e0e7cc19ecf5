// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

struct ModalAnswer::Poller {
    QTimer poll;
    QTimer watchdog;
    QPointer<QWidget> last;
};

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer, int timeoutMs)
    : answer_(std::move(answer))
    , poller_(new Poller)
{
    poller_->poll.setInterval(10);
    QObject::connect(&poller_->poll, &QTimer::timeout, &poller_->poll, [this] {
        // Each box that comes up is answered once, a box after a dialog too.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != poller_->last) {
            poller_->last = modal;
            answered_ = true;
            answer_(modal);
        }
    });
    poller_->poll.start();
    poller_->watchdog.setSingleShot(true);
    poller_->watchdog.setInterval(timeoutMs);
    QObject::connect(&poller_->watchdog, &QTimer::timeout, &poller_->watchdog, [] {
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    poller_->watchdog.start();
}

ModalAnswer::~ModalAnswer()
{
    delete poller_;
}

void ModalAnswer::pressButton(QWidget* modal, const QString& text)
{
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
        if (button->text().remove(u'&') == text) {
            button->click();
            return;
        }
    }
    modal->close();
}

ShownBox readBox(QWidget* modal)
{
    ShownBox shown;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            shown.buttons << button->text().remove(u'&');
    }
    return shown;
}
