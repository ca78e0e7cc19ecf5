// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "platform/ColorDialog.h"
#include "platform/FileDialog.h"

void TColor_Scan::NewMnuClick(QObject*)
{
    ColorDlg->customColors().clear();
}

void TColor_Scan::OpenMnuClick(QObject*)
{
    if (!OpenDialog->Execute())
        return;
    // The dialog keeps the name even when the file cannot be read, so a
    // later Save creates it.
    ColorDlg->customColors().LoadFromFile(OpenDialog->fileName());
}

void TColor_Scan::SaveMnuClick(QObject*)
{
    // A file opened since start-up is where Save goes, whatever Save As chose.
    if (!OpenDialog->fileName().isEmpty()) {
        ColorDlg->customColors().SaveToFile(OpenDialog->fileName());
        return;
    }
    if (SaveDialog->Execute())
        ColorDlg->customColors().SaveToFile(SaveDialog->fileName());
}

void TColor_Scan::SaveAsMnuClick(QObject*)
{
    if (SaveDialog->Execute())
        ColorDlg->customColors().SaveToFile(SaveDialog->fileName());
}
