// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/RadioButton.h"
#include "platform/TabbedNotebook.h"
#include "support/QtPrinters.h"
#include "support/ShowWindow.h"
#include "support/WindowTests.h"
#include "windows/About/About.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Contrast_frm/Contrast_frm.h"
#include "windows/Help_frm/Help_frm.h"
#include "windows/Splash/Splash.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTabBar>
#include <QTest>

namespace {

// The text of every control that shows one, with the font it is drawn in.
struct Shown {
    QWidget* widget;
    QString text;
};

std::vector<Shown> textsOf(QWidget& window)
{
    std::vector<Shown> shown;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* control = dynamic_cast<TControl*>(widget);
        if (control && !control->caption().isEmpty() && !widget->isWindow())
            shown.push_back({widget, control->caption()});
    }
    return shown;
}

bool scalable(const QFont& font)
{
    const QFontInfo info(font);
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

// Rows and columns of device pixels a caption inks, drawn as a label draws it.
QRect inkOf(const QFont& font, const QString& text, qreal ratio)
{
    QImage image((QSize(QFontMetrics(font).horizontalAdvance(text) + 20, 60) * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, image.width(), 60), Qt::AlignLeft | Qt::AlignTop, text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(HiDpi, AtRatioTwoEveryWindowDrawsItsTextInScalableFaces)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    EXPECT_EQ(fontFaces(), TFaces::Scalable);
    TColor_Scan main;
    ASSERT_TRUE(startAlone(main));
    TFormSplash splash;
    THelpForm help;
    TAboutBox about;
    TContrastForm contrast;
    for (TForm* window : std::initializer_list<TForm*>{&main, &splash, &help, &about, &contrast}) {
        SCOPED_TRACE(window->caption().toStdString());
        for (const Shown& s : textsOf(*window))
            EXPECT_TRUE(scalable(s.widget->font()))
                << s.text.toStdString() << " in " << QFontInfo(s.widget->font()).family().toStdString();
    }
    EXPECT_TRUE(scalable(help.TabbedNotebook->tabBar()->font()));
    EXPECT_TRUE(scalable(main.MainMenu->bar()->font()));
    for (TMenuItem* menu : main.MainMenu->items())
        EXPECT_TRUE(scalable(menu->menu()->font())) << menu->caption().toStdString();
}

TEST(HiDpi, CaptionsFitTheirBoxesAndGrowWithTheRatio)
{
    TColor_Scan main;
    ASSERT_TRUE(startAlone(main));
    TFormSplash splash;
    TAboutBox about;
    for (TForm* window : std::initializer_list<TForm*>{&main, &splash, &about}) {
        for (const Shown& s : textsOf(*window)) {
            auto* label = dynamic_cast<TLabel*>(s.widget);
            if (!label || label->wordWrap() || label->caption().size() < 3)
                continue;
            SCOPED_TRACE(s.text.toStdString());
            const QRect ink = inkOf(label->font(), s.text, 2);
            // In device pixels: the box is twice as wide as it is in the layout.
            EXPECT_LT(ink.right(), 2 * label->width()) << "the caption is cut";
            // Glyphs drawn at the ratio, not a small bitmap spread out: the
            // ink is as tall as the face's ascent at twice its size.
            EXPECT_GE(ink.height(), QFontMetrics(label->font()).ascent() * 2 * 7 / 10);
        }
    }
    // The bold attribute button's caption in its widened box.
    const QRect ink = inkOf(main.RBBGColor->font(), main.RBBGColor->caption(), 2);
    EXPECT_LT(ink.width(), 2 * (main.RBBGColor->width() - 22));
}

} // namespace

int main(int argc, char** argv)
{
    // A screen at 200 %, before the application object exists.
    qputenv("QT_SCALE_FACTOR", "2");
    return runWindowTests(argc, argv);
}
