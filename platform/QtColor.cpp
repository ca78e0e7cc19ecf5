// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtColor.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(TColor color, const QPalette& palette)
{
    if (color & clSystemColor) {
        switch (color & 0xFF) {
        case clWindowText & 0xFF: return palette.color(QPalette::WindowText);
        case clBtnFace & 0xFF: return palette.color(QPalette::Button);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

QColor toQColor(TColor color)
{
    return toQColor(color, QApplication::palette());
}
