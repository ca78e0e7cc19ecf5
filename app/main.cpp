// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "platform/Application.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    // Before the application object, which needs a display.
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
    TApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(HUEWISE_APP_ID));
    QGuiApplication::setApplicationVersion(QStringLiteral(HUEWISE_VERSION));
    application.installTerminationSignals();
    createProgramWindows(application);
    return application.Run();
}
