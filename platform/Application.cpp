// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Application.h"

#include "core/Exceptions.h"
#include "platform/Fonts.h"
#include "platform/Form.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

TApplication* Application = nullptr;

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here; the loop picks the byte up.
    [[maybe_unused]] auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

TApplication::TApplication(int& argc, char** argv)
    : qt_(std::make_unique<QApplication>(argc, argv))
{
    Application = this;
    // Ending is decided by the main form alone, never by Qt's window count.
    QApplication::setQuitOnLastWindowClosed(false);
    loadApplicationFonts();
}

TApplication::~TApplication()
{
    destroyForms();
    signalNotifier_.reset();
    if (signalPipe[0] >= 0) {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
    qt_.reset();
    if (Application == this)
        Application = nullptr;
}

void TApplication::adoptForm(TForm* form)
{
    if (!mainForm_)
        mainForm_ = form;
    forms_.push_back(form);
    form->DoCreate();
}

int TApplication::Run()
{
    running_ = true;
    if (!terminated_)
        QApplication::exec();
    running_ = false;
    destroyForms();
    return 0;
}

void TApplication::Terminate()
{
    terminated_ = true;
    // Outside the loop Qt would make every later modal loop return at once.
    if (running_)
        QApplication::exit(0);
}

void TApplication::Reset()
{
    destroyForms();
    terminated_ = false;
}

void TApplication::destroyForms()
{
    while (!forms_.empty()) {
        TForm* form = forms_.back();
        forms_.pop_back();
        delete form;
    }
    mainForm_ = nullptr;
}

void TApplication::dispatch(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const Exception& error) {
        ShowException(error.message());
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unexpected error"));
    }
}

void TApplication::ShowException(const QString& message)
{
    QString text = message;
    if (!text.endsWith(u'.'))
        text += u'.';
    QMessageBox box(QMessageBox::Critical, title_, text, QMessageBox::Ok);
    box.exec();
}

void TApplication::installTerminationSignals()
{
    if (signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    signalNotifier_ = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(signalNotifier_.get(), &QSocketNotifier::activated, qt_.get(), [this] {
        char byte;
        [[maybe_unused]] auto got = ::read(signalPipe[1], &byte, 1);
        Terminate();
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
