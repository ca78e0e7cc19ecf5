// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/BitBtn.h"

#include "platform/Glyph.h"

TBitBtn::TBitBtn(QWidget* parent)
    : TWidget<QPushButton>(parent)
{
    setTabStop(TTabStop::Yes);
    connect(this, &QAbstractButton::clicked, this, [this] { fire(OnClick); });
}

void TBitBtn::setGlyph(const QPixmap& glyph)
{
    setIcon(withOliveTransparent(glyph));
}
