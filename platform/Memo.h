// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QPlainTextEdit>
#include <QStringList>

// Read-only text in lines, wrapped at the control's width, with no scroll
// bars: what the help pages show.
class TMemo : public TWidget<QPlainTextEdit> {
public:
    explicit TMemo(QWidget* parent);

    // Each line as given, leading and trailing blanks included. An empty
    // memo has no lines, as the component library counts them.
    QStringList lines() const;
    void setLines(const QStringList& lines);

protected:
    QPalette::ColorRole colorRole() const override { return QPalette::Base; }
    QPalette::ColorRole fontColorRole() const override { return QPalette::Text; }
};
