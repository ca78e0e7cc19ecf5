// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "platform/ColorDialog.h"
#include "platform/Edit.h"
#include "platform/FileDialog.h"
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
    createAttributeTable();
    applyDesign();
    applyTabOrder();
    wireEvents();
}

void TColor_Scan::createControls()
{
    ColorDlg = new TColorDialog(this);
    SaveDialog = new TSaveDialog(this);
    OpenDialog = new TOpenDialog(this);
    TmrSplash = new TTimer(this);

    PnlMain = new TPanel(client());
    PanelDigit = new TPanel(PnlMain);
    for (TLabel** label : {&BGLbl, &LblBGSum, &TextLbl, &LblTextSum, &LinkLbl, &LblLinkSum, &VLinkLbl, &LblVlinkSum})
        *label = new TLabel(PanelDigit);

    GBProperty = new TGroupBox(PnlMain);
    for (TRadioButton** button : {&RBBGColor, &RBText, &RBLink, &RBVlink})
        *button = new TRadioButton(GBProperty);

    for (TEdit** edit : {&EditRedHex, &EditGreenHex, &EditBlueHex, &EditRedDec, &EditGreenDec, &EditBlueDec})
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

void TColor_Scan::createAttributeTable()
{
    using T = TColor_Scan;
    attributes_ = {{
        {SchemeSlot::BGCOLOR, u'B', RBBGColor, BGLbl, LblBGSum, nullptr, CopyBackground1, &T::RBBGColorClick,
            &T::BGLblDblClick, &T::SetBGColor},
        {SchemeSlot::TEXT, u'T', RBText, TextLbl, LblTextSum, LblText, CopyText1, &T::RBTextClick, &T::TextLblDblClick,
            &T::SetTextColor},
        {SchemeSlot::LINK, u'L', RBLink, LinkLbl, LblLinkSum, LblLink, CopyLink1, &T::RBLinkClick, &T::LinkLblDblClick,
            &T::SetLinkColor},
        {SchemeSlot::VLINK, u'V', RBVlink, VLinkLbl, LblVlinkSum, LblVLink, CopyVLink1, &T::RBVlinkClick,
            &T::VLinkLblDblClick, &T::SetVLinkColor},
    }};
}

void TColor_Scan::wireEvents()
{
    const auto notify = [this](void (TColor_Scan::*handler)(QObject*)) {
        return [this, handler](QObject* sender) { (this->*handler)(sender); };
    };
    const auto scroll = [this](void (TColor_Scan::*handler)(QObject*, TScrollCode, int&)) {
        return [this, handler](QObject* sender, TScrollCode code, int& pos) { (this->*handler)(sender, code, pos); };
    };

    OnCreate = notify(&TColor_Scan::FormCreate);
    OnClose = [this](QObject* sender, TCloseAction& action) { FormClose(sender, action); };
    TmrSplash->OnTimer = notify(&TColor_Scan::TmrSplashTimer);
    ExitMnu->OnClick = notify(&TColor_Scan::ExitMnuClick);
    SBQuit->OnClick = notify(&TColor_Scan::SBQuitClick);
    SaveSettings->OnClick = notify(&TColor_Scan::SaveSettingsClick);
    NewMnu->OnClick = notify(&TColor_Scan::NewMnuClick);
    OpenMnu->OnClick = notify(&TColor_Scan::OpenMnuClick);
    SaveMnu->OnClick = notify(&TColor_Scan::SaveMnuClick);
    SaveAsMnu->OnClick = notify(&TColor_Scan::SaveAsMnuClick);
    ToolBarMnu->OnClick = notify(&TColor_Scan::ToolBarMnuClick);
    HlpHints->OnClick = notify(&TColor_Scan::HlpHintsClick);
    HlpUsage->OnClick = notify(&TColor_Scan::HlpUsageClick);
    SBHelp->OnClick = notify(&TColor_Scan::SBHelpClick);
    HlpAbout->OnClick = notify(&TColor_Scan::HlpAboutClick);
    CopyCss1->OnClick = notify(&TColor_Scan::CopyCssClick);
    ContrastCheck1->OnClick = notify(&TColor_Scan::ContrastCheckClick);

    ScrollRed->OnScroll = scroll(&TColor_Scan::ScrollRedScroll);
    ScrollGreen->OnScroll = scroll(&TColor_Scan::ScrollGreenScroll);
    ScrollBlue->OnScroll = scroll(&TColor_Scan::ScrollBlueScroll);
    for (TEdit* box : {EditRedHex, EditGreenHex, EditBlueHex})
        box->OnAccept = notify(&TColor_Scan::EditHexAccept);
    for (TEdit* box : {EditRedDec, EditGreenDec, EditBlueDec})
        box->OnAccept = notify(&TColor_Scan::EditDecAccept);

    // The tile answers only where it is bare: its sample lines take their own clicks.
    ColorPanel->OnClick = notify(&TColor_Scan::ColorPanelClick);
    SBColor->OnClick = notify(&TColor_Scan::ColorPanelClick);
    CustomColor1->OnClick = notify(&TColor_Scan::ColorPanelClick);

    SBCopy->OnClick = notify(&TColor_Scan::SBCopyClick);
    CopyScheme1->OnClick = notify(&TColor_Scan::SBCopyClick);
    SBPaste->OnClick = notify(&TColor_Scan::SBPasteClick);
    PasteScheme1->OnClick = notify(&TColor_Scan::SBPasteClick);
    for (const TSchemeAttribute& attribute : attributes_) {
        attribute.button->OnClick = notify(attribute.propertyHandler);
        attribute.caption->OnDblClick = notify(attribute.copyHandler);
        attribute.summary->OnDblClick = notify(attribute.copyHandler);
        attribute.copyItem->OnClick = notify(attribute.copyHandler);
    }
}
