// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "core/Scheme.h"
#include "platform/Timer.h"
#include "windows/Splash/Splash.h"

void TColor_Scan::FormCreate(QObject*)
{
    ActiveProperty = u'B';
    loadSettings();
    // A stored colour the reader rejects ends the handler here, with its
    // error box: the stored options then stay as designed.
    ProcString(startupSchemeText(summaries()));
    applyStoredOptions();
}

void TColor_Scan::FormClose(QObject*, TCloseAction&)
{
    saveSettings();
    // The splash window is the application's main form: closing it ends the
    // program. A failed write above keeps the program running.
    FormSplash->Close();
}

void TColor_Scan::TmrSplashTimer(QObject*)
{
    FormSplash->TmrColor->setEnabled(false);
    FormSplash->Hide();
    Show();
    TmrSplash->setEnabled(false);
}

void TColor_Scan::ExitMnuClick(QObject*)
{
    Close();
}

void TColor_Scan::SBQuitClick(QObject*)
{
    Close();
}
