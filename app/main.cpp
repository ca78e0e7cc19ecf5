// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "platform/Application.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    TApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(HUEWISE_APP_ID));
    application.installTerminationSignals();
    createProgramWindows(application);
    return application.Run();
}
