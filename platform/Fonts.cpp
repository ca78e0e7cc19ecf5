// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

#include "platform/Control.h"

#include <QFile>
#include <QFontDatabase>

namespace {

// Wine's free look-alikes: bitmap "System" (16-pixel cell, 13-pixel
// characters, bold only), bitmap "MS Sans Serif" (13-pixel cell) and an
// outline Tahoma.
constexpr const char* wineFontDir = "/usr/share/wine/fonts/";
constexpr const char* wineFonts[] = {"system.ttf", "ms_sans_serif.ttf", "tahoma.ttf"};

bool haveWineFonts = false;

struct Face {
    QString family;
    int pixelSize;
};

// The fixed layout was measured with the Windows raster fonts; each face
// here was picked for the widths of the captions it draws.
Face lookAlike(const QString& name, int pixelHeight, bool bold)
{
    if (name == QLatin1String("System")) {
        // Bold captions (the sample lines, the channel names) match the
        // bitmap System font to the pixel; it has one size, like the original.
        if (bold)
            return haveWineFonts ? Face{"System", 16} : Face{"Liberation Sans", 12};
        return haveWineFonts ? Face{"Tahoma", 13} : Face{"Liberation Sans", 13};
    }
    if (name == QLatin1String("MS Sans Serif")) {
        // Wine's Tahoma Bold draws as light as its regular at this size;
        // DejaVu Sans Bold has the same widths and reads as bold.
        if (bold)
            return Face{"DejaVu Sans", 10};
        return haveWineFonts ? Face{"MS Sans Serif", 13} : Face{"Liberation Sans", 11};
    }
    if (name == QLatin1String("Times New Roman"))
        return Face{"Liberation Serif", pixelHeight};
    return Face{name, pixelHeight};
}

} // namespace

void loadApplicationFonts()
{
    bool all = true;
    for (const char* file : wineFonts) {
        const QString path = QLatin1String(wineFontDir) + QLatin1String(file);
        if (!QFile::exists(path) || QFontDatabase::addApplicationFont(path) < 0)
            all = false;
    }
    haveWineFonts = all;
}

QFont makeFont(const QString& name, int pixelHeight, int styles)
{
    const bool bold = styles & fsBold;
    const Face face = lookAlike(name, pixelHeight, bold);
    QFont font(face.family);
    font.setPixelSize(face.pixelSize);
    font.setBold(bold);
    font.setItalic(styles & fsItalic);
    font.setUnderline(styles & fsUnderline);
    return font;
}
