// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent)
    : TWidget<QWidget>(parent)
{
    takesClicks_ = true;
    setAutoFillBackground(true);
    setColor(clBtnFace);
}

void TPanel::setBevelOuter(TBevelCut cut)
{
    bevelOuter_ = cut;
    update();
}

void TPanel::setBevelInner(TBevelCut cut)
{
    bevelInner_ = cut;
    update();
}

void TPanel::setBorderStyle(TPanelBorder border)
{
    border_ = border;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect inside = rect();
    if (border_ == TPanelBorder::bsSingle)
        inside = drawSingleBorder(painter, inside, palette());
    inside = drawBevel(painter, inside, palette(), bevelOuter_);
    drawBevel(painter, inside, palette(), bevelInner_);
}
