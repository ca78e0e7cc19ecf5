// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Label.h"

TLabel::TLabel(QWidget* parent)
    : TWidget<QLabel>(parent)
{
    takesClicks_ = true;
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setAlignment(TAlignment::taLeftJustify);
}

void TLabel::setAlignment(TAlignment alignment)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == TAlignment::taRightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == TAlignment::taCenter)
        horizontal = Qt::AlignHCenter;
    // The text sits at the top, as the fixed layout was measured that way.
    QLabel::setAlignment(horizontal | Qt::AlignTop);
}
