// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Control.h"
#include "platform/Fonts.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>

namespace {

// Every font the windows ask for, with a caption each draws.
const struct {
    const char* name;
    int height;
    int styles;
    const char* caption;
} designed[] = {
    {"System", 13, fsBold, "This is how regular text will appear."},
    {"System", 13, fsBold | fsUnderline, "This is how visited links will appear."},
    {"System", 11, fsBold, "BGColor"},
    {"System", 13, fsRegular, "Property"},
    {"MS Sans Serif", 11, fsRegular, "Copy Scheme as CSS"},
    {"MS Sans Serif", 11, fsBold, "BGColor # 000000"},
    {"MS Sans Serif", 11, fsBold | fsItalic, "Huewise"},
    {"MS Sans Serif", 12, fsBold, "Free to use and to give away"},
    {"Times New Roman", 44, fsRegular, "1.3"},
    {"Times New Roman", 48, fsBold | fsItalic, "Huewise"},
};

bool scalable(const QFont& font)
{
    const QFontInfo info(font);
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

class FontsTest : public ::testing::Test {
protected:
    void TearDown() override { setFontFaces(TFaces::Bitmap); }
};

TEST_F(FontsTest, AtRatioOneTheBitmapFacesAreKept)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 1.0);
    EXPECT_EQ(fontFaces(), TFaces::Bitmap);
    // The faces the fixed layout was measured with, where Wine's are installed.
    ASSERT_TRUE(QFontDatabase::families().contains(QStringLiteral("System"))) << "fonts-wine is missing";
    const QFont sample = makeFont(QStringLiteral("System"), 13, fsBold);
    EXPECT_EQ(QFontInfo(sample).family(), QStringLiteral("System"));
    EXPECT_EQ(sample.pixelSize(), 16);
    const QFont menu = makeFont(QStringLiteral("MS Sans Serif"), 11, fsRegular);
    EXPECT_EQ(QFontInfo(menu).family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(menu.pixelSize(), 13);
    EXPECT_EQ(makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_FALSE(scalable(sample));
}

TEST_F(FontsTest, ScalableFacesHaveTheWidthsOfTheBitmapOnes)
{
    for (const auto& d : designed) {
        SCOPED_TRACE(std::string(d.name) + " " + d.caption);
        const QString name = QLatin1String(d.name);
        const QString caption = QLatin1String(d.caption);
        setFontFaces(TFaces::Bitmap);
        const QFont bitmap = makeFont(name, d.height, d.styles);
        setFontFaces(TFaces::Scalable);
        const QFont font = makeFont(name, d.height, d.styles);
        EXPECT_TRUE(scalable(font)) << QFontInfo(font).family().toStdString() << " does not scale";
        EXPECT_EQ(font.bold(), bool(d.styles & fsBold));
        EXPECT_EQ(font.italic(), bool(d.styles & fsItalic));
        EXPECT_EQ(font.underline(), bool(d.styles & fsUnderline));
        // Within two pixels in twenty of the faces the layout was measured with.
        const qreal want = QFontMetricsF(bitmap).horizontalAdvance(caption);
        const qreal got = QFontMetricsF(font).horizontalAdvance(caption);
        EXPECT_NEAR(got, want, std::max(2.0, want / 10)) << "advance " << got << " against " << want;
    }
}

} // namespace
