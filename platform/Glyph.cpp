// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Glyph.h"

#include <QBitmap>

QPixmap withOliveTransparent(const QPixmap& glyph)
{
    QPixmap masked = glyph;
    if (!glyph.isNull())
        masked.setMask(glyph.createMaskFromColor(QColor(0x80, 0x80, 0x00), Qt::MaskInColor));
    return masked;
}
