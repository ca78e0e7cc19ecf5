// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "art/ProgramArt.h"
#include "platform/Application.h"
#include "windows/About/About.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Help_frm/Help_frm.h"
#include "windows/Splash/Splash.h"

#include <QApplication>

void createProgramWindows(TApplication& application)
{
    application.setTitle(QStringLiteral("Huewise32"));
    QApplication::setWindowIcon(programIcon());
    application.CreateForm(FormSplash);
    application.CreateForm(Color_Scan);
    application.CreateForm(HelpForm);
    application.CreateForm(AboutBox);
}
