// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QApplication;
class QSocketNotifier;
class TForm;

// The program's application object: title, the forms it created, the message
// loop, and the one place every handler runs through.
class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    // The first form created; closing it ends the program.
    TForm* mainForm() const { return mainForm_; }

    // Stores the new form in `reference` before its creation handler runs,
    // as the windows reach each other through these variables.
    template <class T> void CreateForm(T*& reference)
    {
        auto* form = new T();
        reference = form;
        adoptForm(form);
    }

    // Runs the message loop until Terminate(), then frees every form.
    int Run();
    void Terminate();
    bool terminated() const { return terminated_; }

    // Runs one of the program's handlers. An exception leaving it ends the
    // handler there and is shown in the default error box; it never reaches Qt.
    void dispatch(const std::function<void()>& handler) noexcept;
    void ShowException(const QString& message);

    // SIGTERM and SIGINT end the loop at once; no close handler runs.
    void installTerminationSignals();

    // Frees the forms, last first, and forgets a Terminate(), so tests can
    // start the program's windows more than once in one process.
    void Reset();

private:
    void adoptForm(TForm* form);
    void destroyForms();

    std::unique_ptr<QApplication> qt_;
    QString title_;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    bool running_ = false;
    std::unique_ptr<QSocketNotifier> signalNotifier_;
};

extern TApplication* Application;
