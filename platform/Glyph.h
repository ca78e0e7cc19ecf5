#pragma once

#include <QPixmap>

// Glyph bitmaps mark their transparent pixels with olive (0x808000).
QPixmap withOliveTransparent(const QPixmap& glyph);
