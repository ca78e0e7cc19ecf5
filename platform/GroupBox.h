// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QGroupBox>

class TGroupBox : public TWidget<QGroupBox> {
public:
    explicit TGroupBox(QWidget* parent)
        : TWidget<QGroupBox>(parent)
    {}

    QString caption() const override { return title(); }
    void setCaption(const QString& caption) override { setTitle(caption); }
};
