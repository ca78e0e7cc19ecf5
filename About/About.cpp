#include "About/About.h"

#include "app/ProgramArt.h"
#include "platform/Fonts.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox()
{
    setCaption(QStringLiteral("About"));
    setWindowIcon(programIcon());
    setBorderStyle(TBorderStyle::bsDialog);
    setPosition(TPosition::poScreenCenter);
    setClientWidth(298);
    setClientHeight(231);
    setFont(makeFont(QStringLiteral("System"), 13, fsRegular));
}
