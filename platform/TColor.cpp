#include "platform/TColor.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(TColor color, const QPalette& palette)
{
    if (color & clSystemColor) {
        switch (color & 0xFF) {
        case clWindowText & 0xFF:
            return palette.color(QPalette::WindowText);
        case clBtnFace & 0xFF:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QColor toQColor(TColor color)
{
    return toQColor(color, QApplication::palette());
}
