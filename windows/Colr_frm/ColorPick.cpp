// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "core/SysUtils.h"
#include "platform/ColorDialog.h"
#include "platform/Edit.h"
#include "platform/Label.h"

void TColor_Scan::ColorPanelClick(QObject*)
{
    ColorDlg->setColor(rgbColor(ScrollRed->position(), ScrollGreen->position(), ScrollBlue->position()));
    // OK or Cancel, the dialog's colour is spread over the sliders: after
    // Cancel it is still the sliders' own.
    ColorDlg->Execute();
    const QString text = IntToHex(static_cast<unsigned>(ColorDlg->color()), 6);

    const struct {
        TEdit* hexBox;
        TScrollBar* bar;
        TEdit* decimalBox;
        qsizetype at;
    } channels[] = {{EditRedHex, ScrollRed, EditRedDec, 4}, {EditGreenHex, ScrollGreen, EditGreenDec, 2},
        {EditBlueHex, ScrollBlue, EditBlueDec, 0}};
    for (const auto& channel : channels) {
        channel.hexBox->setText(text.mid(channel.at, 2));
        channel.bar->setPosition(StrToInt(u'$' + text.mid(channel.at, 2)));
        // Both read-outs of a level show it: the decimal boxes follow the pick too.
        channel.decimalBox->setText(IntToStr(channel.bar->position()));
    }
    LblColor->setCaption(EditRedHex->text() + EditGreenHex->text() + EditBlueHex->text());
    applyToActiveProperty();
}
