// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"
#include "platform/Form.h"

#include <QTabWidget>

// One page of a notebook; like a form's client area, it keeps its alClient
// children filling it.
class TTabPage : public TFormClient {
public:
    using TFormClient::TFormClient;
};

// Pages behind a row of tabs. Captions follow the component library's
// habit: "&&" shows one "&", a single "&" marks the access key.
class TTabbedNotebook : public TWidget<QTabWidget> {
public:
    explicit TTabbedNotebook(QWidget* parent);

    // Adds a page at the end, its tab showing `caption`.
    TTabPage* addPage(const QString& caption);
    TTabPage* page(int index) const;

    // The tabs' font; the pages keep the font they inherit.
    void setTabFont(const QFont& font);
};
