// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"

#include "platform/Control.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

namespace {

// Wine's free look-alikes: bitmap "System" (16-pixel cell, 13-pixel
// characters, bold only), bitmap "MS Sans Serif" (13-pixel cell) and an
// outline Tahoma.
constexpr const char* wineFontDir = "/usr/share/wine/fonts/";
constexpr const char* wineFonts[] = {"system.ttf", "ms_sans_serif.ttf", "tahoma.ttf"};

bool haveWineFonts = false;
TFaces faces = TFaces::Bitmap;

bool addFont(const char* file)
{
    const QString path = QLatin1String(wineFontDir) + QLatin1String(file);
    return QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
}

struct Face {
    QString family;
    int pixelSize;
    qreal letterSpacing = 0; // pixels added after each character
};

// The fixed layout was measured with the Windows raster fonts; each face
// here was picked for the widths of the captions it draws.
Face lookAlike(const QString& name, int pixelHeight, bool bold)
{
    if (faces == TFaces::Scalable) {
        // Bold System: Liberation Sans Bold at its character height, set a
        // little wider to the bitmap's widths (Wine's Tahoma Bold draws no
        // heavier than its regular). Regular MS Sans Serif: the outline
        // Tahoma, whose widths at 11 are the bitmap's to a pixel or two.
        if (name == QLatin1String("System") && bold)
            return Face{"Liberation Sans", 13, 0.3};
        if (name == QLatin1String("MS Sans Serif") && !bold)
            return haveWineFonts ? Face{"Tahoma", 11} : Face{"Liberation Sans", 11};
    }
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
    for (const char* file : wineFonts)
        all = addFont(file) && all;
    haveWineFonts = all;
    // The windows' fonts are made once, at start; the highest ratio decides.
    faces = qApp && qApp->devicePixelRatio() > 1 ? TFaces::Scalable : TFaces::Bitmap;
}

TFaces fontFaces()
{
    return faces;
}

void setFontFaces(TFaces chosen)
{
    faces = chosen;
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
    if (face.letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, face.letterSpacing);
    return font;
}
