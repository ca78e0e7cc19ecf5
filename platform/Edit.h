// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QLineEdit>

class TEdit : public TWidget<QLineEdit> {
public:
    explicit TEdit(QWidget* parent);

    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Base; }
    QPalette::ColorRole fontColorRole() const override { return QPalette::Text; }
};
