#include "Help_frm/Help_frm.h"

#include "app/ProgramArt.h"
#include "platform/Fonts.h"

THelpForm* HelpForm = nullptr;

THelpForm::THelpForm()
{
    setCaption(QStringLiteral("HelpForm"));
    setWindowIcon(programIcon());
    setBorderStyle(TBorderStyle::bsDialog);
    setPosition(TPosition::poScreenCenter);
    setClientWidth(405);
    setClientHeight(238);
    setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold));
}
