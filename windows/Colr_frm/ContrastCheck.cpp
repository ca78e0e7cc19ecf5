// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "core/Placement.h"
#include "platform/Design.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "windows/Contrast_frm/Contrast_frm.h"

#include <QScreen>

namespace {

// Between the main window's frame and the Contrast window's.
constexpr int contrastGap = 8;

} // namespace

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

void TColor_Scan::placeContrastForm()
{
    // Once the person has moved it, it stays where they put it.
    if (contrastPlacedAt_ && ContrastForm->pos() != *contrastPlacedAt_)
        contrastMoved_ = true;
    if (contrastMoved_)
        return;
    QScreen* screen = this->screen();
    if (!screen)
        return;
    // Its frame is not known before it is first shown: take ours as its like.
    const QSize frame = frameGeometry().size() - geometry().size();
    ContrastForm->move(placement::besideWindow(
        frameGeometry(), ContrastForm->size() + frame, screen->availableGeometry(), contrastGap));
    contrastPlacedAt_ = ContrastForm->pos();
}

void TColor_Scan::ContrastCheckClick(QObject*)
{
    if (!ContrastForm) {
        ContrastForm = new TContrastForm();
        ContrastForm->DoCreate();
        // Beside this window, not in the middle of the screen over it.
        ContrastForm->setPosition(TPosition::poDesigned);
        closeOnEscape(*ContrastForm);
    }
    placeContrastForm();
    ContrastForm->Show();
    schemeChanged();
}
