// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QLabel>
#include <QPixmap>

class TImage : public TWidget<QLabel> {
public:
    explicit TImage(QWidget* parent);

    // With AutoSize the control takes the picture's size; with Stretch the
    // picture fills the control.
    void setPicture(const QPixmap& picture);
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void setStretch(bool stretch) { setScaledContents(stretch); }

private:
    bool autoSize_ = false;
};
