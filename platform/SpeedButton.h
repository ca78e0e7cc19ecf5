// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QAbstractButton>
#include <QPixmap>

// A tool-bar button drawn with its glyph: a strip of 16 × 16 images whose
// olive pixels are transparent, holding the normal, disabled, pressed and
// held-down looks (as many as NumGlyphs says). It never takes the focus.
class TSpeedButton : public TWidget<QAbstractButton> {
public:
    explicit TSpeedButton(QWidget* parent);

    // Splits the strip into `numGlyphs` images of equal width.
    void setGlyph(const QPixmap& strip, int numGlyphs);
    int numGlyphs() const { return static_cast<int>(images_.size()); }
    QSize sizeHint() const override { return {25, 25}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum Look { Normal, Disabled, Pressed, HeldDown };
    const QPixmap& image(Look look) const;
    std::vector<QPixmap> images_;
};
