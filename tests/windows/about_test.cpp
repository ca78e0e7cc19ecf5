// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/BitBtn.h"
#include "platform/Fonts.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Memo.h"
#include "platform/Panel.h"
#include "platform/QtColor.h"
#include "platform/TabbedNotebook.h"
#include "support/QtPrinters.h"
#include "support/ShowWindow.h"
#include "windows/About/About.h"
#include "windows/Help_frm/Help_frm.h"
#include "windows/Splash/Splash.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <vector>

namespace {

// The last pixel column a text paints into, drawn from x 0 as a label does.
int inkRight(const QFont& font, const QString& text)
{
    QImage image(QFontMetrics(font).horizontalAdvance(text) + 20, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    }
    int right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = right + 1; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                right = x;
    return right;
}

class AboutTest : public ::testing::Test {
protected:
    TAboutBox about;
};

TEST_F(AboutTest, ControlsStandWhereDesignedInTheirFontsAndColours)
{
    const TColor blue = rgbColor(0, 0, 149);
    const TColor green = rgbColor(0, 120, 64);
    const struct {
        const char* name;
        QWidget* control;
        QWidget* parent;
        QRect bounds;
        // nullptr: our own text, any but none.
        const char* caption;
        const char* fontName;
        int fontHeight;
        int fontStyles;
        TColor fontColor;
    } expected[] = {
        {"Panel1", about.Panel1, about.client(), {8, 8, 281, 191}, "", "System", 13, fsRegular, blue},
        {"ProductName", about.ProductName, about.Panel1, {112, 22, 87, 13}, "Program Name:", "MS Sans Serif", 11,
            fsBold, clBlack},
        {"Version", about.Version, about.Panel1, {112, 48, 47, 13}, "Version:", "MS Sans Serif", 11, fsBold, clBlack},
        {"Label2", about.Label2, about.Panel1, {160, 48, 111, 13}, "1.3 for Windows 95", "MS Sans Serif", 11, fsBold,
            clBlack},
        {"Label12", about.Label12, about.Panel1, {112, 72, 123, 16}, nullptr, "System", 13, fsRegular, blue},
        {"Comments", about.Comments, about.Panel1, {48, 109, 188, 26}, nullptr, "MS Sans Serif", 12, fsBold, green},
        {"Label13", about.Label13, about.Panel1, {36, 137, 201, 16}, nullptr, "System", 13, fsBold, blue},
        {"LblAddress1", about.LblAddress1, about.Panel1, {44, 153, 156, 16}, nullptr, "System", 13, fsBold, blue},
        {"LblAddress2", about.LblAddress2, about.Panel1, {82, 169, 138, 16}, nullptr, "System", 13, fsBold, blue},
        {"OKButton", about.OKButton, about.client(), {111, 202, 77, 27}, "OK", "MS Sans Serif", 11, fsBold, clBlack},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.control->parentWidget(), e.parent);
        EXPECT_EQ(e.control->geometry(), e.bounds);
        const QString caption = dynamic_cast<TControl*>(e.control)->caption();
        if (e.caption)
            EXPECT_EQ(caption, QLatin1String(e.caption));
        else
            EXPECT_FALSE(caption.trimmed().isEmpty());
        const QFont want = makeFont(QLatin1String(e.fontName), e.fontHeight, e.fontStyles);
        const QFont font = e.control->font();
        EXPECT_EQ(font.family(), want.family());
        EXPECT_EQ(font.pixelSize(), want.pixelSize());
        EXPECT_EQ(font.bold(), bool(e.fontStyles & fsBold));
        EXPECT_FALSE(font.italic());
        // The colour the text is drawn in, whether its own or the panel's.
        const auto role = e.control == about.OKButton ? QPalette::ButtonText : QPalette::WindowText;
        EXPECT_EQ(e.control->palette().color(role), toQColor(e.fontColor));
    }
    EXPECT_EQ(about.Panel1->bevelInner(), TBevelCut::bvRaised);
    EXPECT_EQ(about.Panel1->bevelOuter(), TBevelCut::bvLowered);
    EXPECT_EQ(about.ProgramIcon->geometry(), QRect(8, 8, 96, 96));
    EXPECT_EQ(about.ProgramIcon->pixmap().size(), QSize(96, 96));
    EXPECT_TRUE(about.ProgramIcon->hasScaledContents());
    EXPECT_TRUE(about.Comments->wordWrap());
    EXPECT_TRUE(about.Comments->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(about.OKButton->icon().actualSize(QSize(16, 16)), QSize(16, 16));
}

TEST_F(AboutTest, LettersSpellTheNameOverlappingWithoutHidingEachOther)
{
    const struct {
        TLabel* label;
        const char* letter;
        TColor color;
    } letters[] = {
        {about.Label1, "H", clMaroon},
        {about.Label4, "u", clGreen},
        {about.Label5, "e", clOlive},
        {about.Label6, "w", clNavy},
        {about.Label7, "i", clPurple},
        {about.Label8, "s", clTeal},
        {about.Label9, "e", clRed},
    };
    int left = 200;
    bool overlap = false;
    for (const auto& l : letters) {
        SCOPED_TRACE(l.letter);
        EXPECT_EQ(l.label->parentWidget(), about.Panel1);
        EXPECT_EQ(l.label->caption(), QLatin1String(l.letter));
        EXPECT_EQ(l.label->fontColor(), l.color);
        EXPECT_TRUE(l.label->transparent());
        EXPECT_EQ(l.label->left(), left);
        EXPECT_EQ(l.label->top(), 22);
        const QFont font = l.label->font();
        EXPECT_TRUE(font.bold() && font.italic());
        EXPECT_EQ(font.pixelSize(), makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold | fsItalic).pixelSize());
        const QFontMetrics metrics(font);
        EXPECT_GE(l.label->width(), metrics.horizontalAdvance(l.label->caption()));
        EXPECT_GE(l.label->height(), metrics.height());
        overlap = overlap || l.label->geometry().right() >= left + 8;
        left += 8;
    }
    ASSERT_TRUE(overlap) << "no letter box reaches into the next one";

    // Each letter drawn alone marks its ink; with all seven drawn, every one
    // of those pixels must still show ink, not a neighbour's background.
    const QRect name(200, 22, 64, about.Label1->height());
    auto render = [&](TLabel* only, bool all) {
        for (const auto& l : letters)
            l.label->setVisible(all || l.label == only);
        return about.Panel1->grab(name).toImage();
    };
    const QImage none = render(nullptr, false);
    const QImage full = render(nullptr, true);
    for (const auto& l : letters) {
        SCOPED_TRACE(l.letter);
        const QImage alone = render(l.label, false);
        int ink = 0;
        int hidden = 0;
        for (int y = 0; y < none.height(); ++y)
            for (int x = 0; x < none.width(); ++x) {
                if (alone.pixel(x, y) == none.pixel(x, y))
                    continue;
                ++ink;
                hidden += full.pixel(x, y) == none.pixel(x, y);
            }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(hidden, 0);
    }
    render(nullptr, true);
}

TEST_F(AboutTest, CaptionsFitTheirBoxes)
{
    // qobject_cast cannot tell a TLabel from the picture, also a QLabel.
    for (QLabel* qlabel : about.Panel1->findChildren<QLabel*>()) {
        auto* label = dynamic_cast<TLabel*>(qlabel);
        if (!label)
            continue;
        SCOPED_TRACE(label->caption().toStdString());
        const QFontMetrics metrics(label->font());
        if (label->wordWrap()) {
            // Centred and wrapped over two lines, as QLabel lays it out.
            const QRect text = metrics.boundingRect(
                QRect(0, 0, label->width(), 1000), Qt::AlignHCenter | Qt::TextWordWrap, label->caption());
            EXPECT_LE(text.width(), label->width());
            EXPECT_GT(text.height(), metrics.height());
            EXPECT_LE(text.height(), label->height());
        } else {
            // The ink, not the advance, which may end in blank columns.
            EXPECT_LT(inkRight(label->font(), label->caption()), label->width());
            EXPECT_LE(metrics.height(), label->height());
        }
    }
}

TEST_F(AboutTest, OKHasTheFocusAndClosesTheBoxWhichComesBackUnchanged)
{
    ASSERT_TRUE(showAndActivate(about));
    EXPECT_EQ(QApplication::focusWidget(), about.OKButton);
    const QPoint place = about.pos();
    const QImage before = about.client()->grab().toImage();

    QTest::mouseClick(about.OKButton, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    ASSERT_TRUE(showAndActivate(about));
    EXPECT_EQ(about.pos(), place);
    EXPECT_EQ(QApplication::focusWidget(), about.OKButton);
    EXPECT_EQ(about.client()->grab().toImage(), before);

    // Like the library's OK kind, it is the default button: Enter presses it.
    QTest::keyClick(about.OKButton, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());

    ASSERT_TRUE(showAndActivate(about));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible()) << "Escape left the box open";
}

} // namespace
