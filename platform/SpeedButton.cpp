// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SpeedButton.h"

#include "platform/Glyph.h"

#include <QPainter>
#include <qdrawutil.h>

TSpeedButton::TSpeedButton(QWidget* parent)
    : TWidget<QAbstractButton>(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { fire(OnClick); });
}

void TSpeedButton::setGlyph(const QPixmap& strip, int numGlyphs)
{
    images_.clear();
    if (strip.isNull() || numGlyphs < 1)
        return;
    const QPixmap masked = withOliveTransparent(strip);
    const int width = strip.width() / numGlyphs;
    for (int i = 0; i < numGlyphs; ++i)
        images_.push_back(masked.copy(i * width, 0, width, strip.height()));
    update();
}

const QPixmap& TSpeedButton::image(Look look) const
{
    const auto index = static_cast<std::size_t>(look);
    // Looks the strip does not hold fall back to the normal image.
    return index < images_.size() ? images_[index] : images_.front();
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);
    if (images_.empty())
        return;
    Look look = Normal;
    if (!isEnabled())
        look = Disabled;
    else if (isChecked())
        look = HeldDown;
    else if (isDown())
        look = Pressed;
    const QPixmap& glyph = image(look);
    QPoint at((width() - glyph.width()) / 2, (height() - glyph.height()) / 2);
    // A pressed button's face moves down and right by one pixel.
    if (sunken)
        at += QPoint(1, 1);
    painter.drawPixmap(at, glyph);
}
