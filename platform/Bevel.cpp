// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Bevel.h"

#include <QPainter>
#include <QPalette>

QRect drawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, TBevelCut cut)
{
    if (cut == TBevelCut::bvNone)
        return rect;
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor& topLeft = cut == TBevelCut::bvRaised ? light : shadow;
    const QColor& bottomRight = cut == TBevelCut::bvRaised ? shadow : light;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    return rect.adjusted(1, 1, -1, -1);
}

QRect drawSingleBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    return rect.adjusted(1, 1, -1, -1);
}
