#include "app/Startup.h"

#include "About/About.h"
#include "Colr_frm/Colr_frm.h"
#include "Help_frm/Help_frm.h"
#include "Splash/Splash.h"
#include "app/ProgramArt.h"
#include "platform/Application.h"

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
