// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "platform/Label.h"
#include "platform/Panel.h"
#include "windows/Contrast_frm/Contrast_frm.h"

TColor_Scan::~TColor_Scan()
{
    delete ContrastForm;
}

void TColor_Scan::schemeChanged()
{
    if (!ContrastForm || !ContrastForm->isVisible())
        return;
    // The colour values, not the summary texts: what the preview shows.
    ContrastForm->showScheme(previewColors());
}

void TColor_Scan::ContrastCheckClick(QObject*)
{
    if (!ContrastForm) {
        ContrastForm = new TContrastForm();
        ContrastForm->DoCreate();
    }
    ContrastForm->Show();
    schemeChanged();
}
