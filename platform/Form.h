// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

enum class TBorderStyle { bsNone, bsSingle, bsDialog };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree };

using TCloseEvent = std::function<void(QObject* sender, TCloseAction& action)>;

// The client area under the menu bar; it keeps alClient children filling it.
class TFormClient : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// A top-level window of the program. Controls go on client(); the window is
// created hidden, and shown after its creation handler when it is marked
// visible. Closing it runs OnClose; closing the application's main form ends
// the program.
class TForm : public TWidget<QWidget> {
public:
    TForm();
    ~TForm() override;

    QWidget* client() const { return client_; }

    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& caption) override { setWindowTitle(caption); }

    int clientWidth() const;
    int clientHeight() const;
    void setClientWidth(int width);
    void setClientHeight(int height);

    void setBorderStyle(TBorderStyle style);
    void setFormStyle(TFormStyle style);
    void setPosition(TPosition position) { position_ = position; }
    // Shown as soon as it has been created.
    void setVisibleAtCreation(bool visible) { visibleAtCreation_ = visible; }

    void setMenuBar(QMenuBar* menuBar);

    void Show();
    void Hide() { hide(); }
    // Runs OnClose, then hides the window, or ends the program when this is
    // the application's main form. An error in OnClose leaves both undone.
    void Close();

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;

    // Runs OnCreate through the dispatcher, then shows a visible form.
    void DoCreate();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QVBoxLayout* layout_;
    TFormClient* client_;
    TPosition position_ = TPosition::poDesigned;
    bool visibleAtCreation_ = false;
    bool placed_ = false;
};
