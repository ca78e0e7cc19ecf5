// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QLabel>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A caption on the parent; opaque (its Color behind the text) unless
// Transparent. It takes clicks itself, so a click never falls through to
// the control behind it.
class TLabel : public TWidget<QLabel> {
public:
    explicit TLabel(QWidget* parent);

    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

    bool transparent() const { return !autoFillBackground(); }
    void setTransparent(bool transparent) { setAutoFillBackground(!transparent); }

    void setAlignment(TAlignment alignment);
};
