// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// Glyph bitmaps mark their transparent pixels with olive (0x808000).
QPixmap withOliveTransparent(const QPixmap& glyph);
