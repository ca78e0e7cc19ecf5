// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Form.h"

#include "platform/Application.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

void TFormClient::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QObject* child : children()) {
        auto* control = dynamic_cast<TControl*>(child);
        if (control && control->align() == TAlign::alClient)
            static_cast<QWidget*>(child)->setGeometry(rect());
    }
}

TForm::TForm()
    : TWidget<QWidget>(nullptr)
    , layout_(new QVBoxLayout(this))
    , client_(new TFormClient(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    // The window takes exactly the client size plus the menu bar.
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    layout_->addWidget(client_);
    client_->setFixedSize(320, 240);
}

TForm::~TForm() = default;

int TForm::clientWidth() const
{
    return client_->width();
}

int TForm::clientHeight() const
{
    return client_->height();
}

void TForm::setClientWidth(int width)
{
    client_->setFixedSize(width, client_->height());
    layout_->activate();
}

void TForm::setClientHeight(int height)
{
    client_->setFixedSize(client_->width(), height);
    layout_->activate();
}

void TForm::setBorderStyle(TBorderStyle style)
{
    Qt::WindowFlags flags = windowFlags() & Qt::WindowStaysOnTopHint;
    if (style == TBorderStyle::bsNone)
        flags |= Qt::Window | Qt::FramelessWindowHint;
    else
        // A title bar with the close box only: no minimise or maximise button.
        flags |= Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
}

void TForm::setFormStyle(TFormStyle style)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, style == TFormStyle::fsStayOnTop);
}

void TForm::setMenuBar(QMenuBar* menuBar)
{
    layout_->setMenuBar(menuBar);
}

void TForm::Show()
{
    layout_->activate();
    if (!placed_ && position_ == TPosition::poScreenCenter) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            // Never at a negative coordinate, even on a screen smaller than us.
            move(std::max(area.x(), area.x() + (area.width() - width()) / 2),
                std::max(area.y(), area.y() + (area.height() - height()) / 2));
        }
    }
    placed_ = true;
    show();
    raise();
    activateWindow();
}

void TForm::Close()
{
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application->mainForm() == this)
        Application->Terminate();
    else
        hide();
}

void TForm::DoCreate()
{
    if (OnCreate)
        Application->dispatch([this] { OnCreate(this); });
    if (visibleAtCreation_)
        Show();
}

void TForm::closeEvent(QCloseEvent* event)
{
    // Qt's own closing would hide the window behind the handler's back; the
    // close box and the window manager go through Close() like Exit does.
    event->ignore();
    Application->dispatch([this] { Close(); });
}
