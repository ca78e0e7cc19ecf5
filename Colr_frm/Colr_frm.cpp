#include "Colr_frm/Colr_frm.h"

#include "platform/Edit.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/ScrollBar.h"
#include "platform/SpeedButton.h"
#include "platform/Timer.h"

TColor_Scan* Color_Scan = nullptr;
QChar ActiveProperty;

TColor_Scan::TColor_Scan()
{
    createControls();
    createMenus();
    applyLayout();
    applyLook();
    applyTabOrder();
    wireEvents();
}

void TColor_Scan::createControls()
{
    TmrSplash = new TTimer(this);

    PnlMain = new TPanel(client());
    PanelDigit = new TPanel(PnlMain);
    for (TLabel** label : {&BGLbl, &LblBGSum, &TextLbl, &LblTextSum, &LinkLbl, &LblLinkSum,
             &VLinkLbl, &LblVlinkSum})
        *label = new TLabel(PanelDigit);

    GBProperty = new TGroupBox(PnlMain);
    for (TRadioButton** button : {&RBBGColor, &RBText, &RBLink, &RBVlink})
        *button = new TRadioButton(GBProperty);

    for (TEdit** edit : {&EditRedHex, &EditGreenHex, &EditBlueHex, &EditRedDec, &EditGreenDec,
             &EditBlueDec})
        *edit = new TEdit(PnlMain);
    for (TLabel** label : {&HexLbl, &DecLbl, &LabelRedSlide, &LabelGreenSlide, &LabelBlueSlide})
        *label = new TLabel(PnlMain);
    for (TScrollBar** bar : {&ScrollRed, &ScrollGreen, &ScrollBlue})
        *bar = new TScrollBar(PnlMain);

    ColorPanel = new TPanel(PnlMain);
    for (TLabel** label : {&LblText, &LblLink, &LblVLink})
        *label = new TLabel(ColorPanel);

    PanelSB = new TPanel(PnlMain);
    for (TSpeedButton** button : {&SBCopy, &SBPaste, &SBColor, &SBHelp, &SBQuit})
        *button = new TSpeedButton(PanelSB);

    LblColor = new TLabel(PnlMain);
}

void TColor_Scan::wireEvents()
{
    OnCreate = [this](QObject* sender) { FormCreate(sender); };
    OnClose = [this](QObject* sender, TCloseAction& action) { FormClose(sender, action); };
    TmrSplash->OnTimer = [this](QObject* sender) { TmrSplashTimer(sender); };
    ExitMnu->OnClick = [this](QObject* sender) { ExitMnuClick(sender); };
    SBQuit->OnClick = [this](QObject* sender) { SBQuitClick(sender); };
}
