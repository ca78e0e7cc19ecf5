// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Bevel.h"
#include "platform/Control.h"

#include <QWidget>

enum class TPanelBorder { bsNone, bsSingle };

// A filled rectangle with bevels; it takes clicks itself.
class TPanel : public TWidget<QWidget> {
public:
    explicit TPanel(QWidget* parent);

    TBevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelCut cut);
    TBevelCut bevelInner() const { return bevelInner_; }
    void setBevelInner(TBevelCut cut);
    void setBorderStyle(TPanelBorder border);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TPanelBorder border_ = TPanelBorder::bsNone;
};
