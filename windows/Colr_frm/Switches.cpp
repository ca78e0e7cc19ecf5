// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "platform/Edit.h"
#include "platform/GroupBox.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"
#include "platform/SpeedButton.h"
#include "windows/About/About.h"
#include "windows/Help_frm/Help_frm.h"

void TColor_Scan::SwitchToolBar()
{
    // Everything below the tool bar, in the order it moves; PanelSB keeps
    // its place while hidden, and the hidden LblColor never moves.
    TControl* const moved[] = {ColorPanel, GBProperty, LabelRedSlide, LabelGreenSlide, LabelBlueSlide, ScrollRed,
        ScrollGreen, ScrollBlue, HexLbl, DecLbl, EditRedHex, EditRedDec, EditGreenHex, EditGreenDec, EditBlueHex,
        EditBlueDec, PanelDigit};
    const int amount = PanelSB->height();
    if (ToolBarMnu->checked()) {
        ToolBarMnu->setChecked(false);
        PanelSB->hide();
        for (TControl* control : moved)
            control->setTop(control->top() - amount);
        setClientHeight(clientHeight() - amount);
    } else {
        ToolBarMnu->setChecked(true);
        for (TControl* control : moved)
            control->setTop(control->top() + amount);
        setClientHeight(clientHeight() + amount);
        PanelSB->show();
    }
}

void TColor_Scan::SwitchHints()
{
    HlpHints->setChecked(!HlpHints->checked());
    // Every control that carries a hint; the window's own switch stays on.
    TControl* const switched[] = {ColorPanel, LblText, LblLink, LblVLink, ScrollRed, ScrollGreen, ScrollBlue,
        EditRedHex, EditGreenHex, EditBlueHex, EditRedDec, EditGreenDec, EditBlueDec, RBBGColor, RBText, RBLink,
        RBVlink, BGLbl, TextLbl, LinkLbl, VLinkLbl, LblBGSum, LblTextSum, LblLinkSum, LblVlinkSum, PanelDigit, SBCopy,
        SBPaste, SBColor, SBHelp, SBQuit, HexLbl, DecLbl};
    for (TControl* control : switched)
        control->setShowHint(HlpHints->checked());
}

void TColor_Scan::applyStoredOptions()
{
    // Each switch takes the direction that leads to the stored state, so
    // start-up gives the same layout as switching into it later.
    HlpHints->setChecked(!HlpHints->checked());
    SwitchHints();
    if (!ToolBarMnu->checked()) {
        ToolBarMnu->setChecked(true);
        SwitchToolBar();
    }
}

void TColor_Scan::ToolBarMnuClick(QObject*)
{
    SwitchToolBar();
}

void TColor_Scan::HlpHintsClick(QObject*)
{
    SwitchHints();
}

void TColor_Scan::HlpUsageClick(QObject*)
{
    HelpForm->Show();
}

void TColor_Scan::SBHelpClick(QObject*)
{
    HelpForm->Show();
}

void TColor_Scan::HlpAboutClick(QObject*)
{
    AboutBox->Show();
}
