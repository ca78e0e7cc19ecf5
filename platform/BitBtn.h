// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QPushButton>

// A push button with a caption (and optional glyph); OnClick on activation.
class TBitBtn : public TWidget<QPushButton> {
public:
    explicit TBitBtn(QWidget* parent);

    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }
    void setGlyph(const QPixmap& glyph);

protected:
    QPalette::ColorRole fontColorRole() const override { return QPalette::ButtonText; }
};
