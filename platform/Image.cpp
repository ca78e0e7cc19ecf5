// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Image.h"

TImage::TImage(QWidget* parent)
    : TWidget<QLabel>(parent)
{
    takesClicks_ = true;
}

void TImage::setPicture(const QPixmap& picture)
{
    setPixmap(picture);
    if (autoSize_)
        resize(picture.size());
}
