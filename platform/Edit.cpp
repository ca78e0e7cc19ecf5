// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Edit.h"

TEdit::TEdit(QWidget* parent)
    : TWidget<QLineEdit>(parent)
{
    setTabStop(TTabStop::Yes);
    // The read-outs are narrow; Qt's text margins would push two digits out.
    setTextMargins(0, 0, 0, 0);
}
