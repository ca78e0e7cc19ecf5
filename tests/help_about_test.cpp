#include "About/About.h"
#include "Help_frm/Help_frm.h"
#include "Splash/Splash.h"
#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/BitBtn.h"
#include "platform/Fonts.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Memo.h"
#include "platform/Panel.h"
#include "platform/TabbedNotebook.h"
#include "support/QtPrinters.h"
#include "support/ShowWindow.h"

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

QString displayedTabText(TTabbedNotebook& notebook, int index)
{
    // What Qt itself reports as shown, after its handling of "&".
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(notebook.tabBar());
    QAccessibleInterface* tab = bar ? bar->child(index) : nullptr;
    return tab ? tab->text(QAccessible::Name) : QString();
}

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

void clickTab(TTabbedNotebook& notebook, int index)
{
    QTest::mouseClick(notebook.tabBar(), Qt::LeftButton, {}, notebook.tabBar()->tabRect(index).center());
}

class HelpTest : public ::testing::Test {
protected:
    THelpForm help;
};

TEST_F(HelpTest, PagesShowTheirCaptionsAndEveryLineExactly)
{
    const struct {
        const char* caption;
        TMemo* memo;
        std::vector<const char*> lines;
    } pages[] = {
        {"Introduction", help.MemoIntro,
            {
                "",
                "Welcome to Huewise 1.3 for Windows 95/NT",
                "",
                "This program has been designed to help you quickly generate",
                "the hexadecimal color values needed in HTML documents.",
                "",
                "Features include:",
                "",
                "   * Ability to store 16 custom colors.",
                "   * Able to paste BODY tag from windows clipbard.",
                "   * Able to copy displayed color's hex digit to clipbard.",
                "   * It's FREE!",
            }},
        {"Main Form", help.MemoMain,
            {
                "Screen Items:",
                "  * Scroll bars - Used to change the color values of the color tile.",
                "  * Hex Boxes - Indicate the hexdecimal value for each color.",
                "  * Dec Boxes - Indicate the decimal value for each color.",
                "  * Value Box - This box contains the hexadecimal color values.",
                "  * Color Tile - Display of the current color scheme.",
                "  * Speed buttons - Copy, Paste, Custom Colors, Help & Quit.",
                "  * Color Sliders - Sets the RGB color values.",
                "  * Property Buttons - Select the attribute to change.",
                "",
                "Screen Functions:",
                "  * Color Tile - Click once to pull up custom color creator.",
                "  * Value Box - Double click to copy hex digit to clipboard.",
                "  * File Menu - Used to create, load or clear custom color settings.",
            }},
        {"Custom Colors", help.MemoCsutom,
            {
                "This dialog box allows you to choose a color to copy back to the ",
                "main form.  There is a set of basic colors as well as section for up ",
                "to 16 custom colors you can define yourself.",
                "",
                "To create a custom color you must:",
                "  1. Select the location in the custom color section to store color",
                "  2. Choose location on color pallete close to desired color",
                "  3. Pick from color bar on right of screen the desired color",
                "  4. Click Add to Custom Colors or Double Click color under pallete",
                "      (I suggest you double click solid side for best results)",
                "",
                "To copy color to main form hit OK otherwise hit CANCEL.",
                "",
                "Note: You can save and load custom colors from main menu!",
            }},
        {"Cut & Paste", help.MemoCnP,
            {
                "To make your editing as easy as possible I have added copy ",
                "features to my Huewise.  With a simple click of the mouse, ",
                "you can copy the HTML strings to set your color properties to the ",
                "windows clipboard.  Then all you have to do to add your newly",
                "created color scheme to your HTML work in progress is to paste",
                "this string into the BODY section of you HTML document.",
                "",
                "There are two ways to copy your colors:",
                "1. You can copy the entire motif by clicking the copy speed button",
                "2. You can double click any of the properties at the bottom to copy ",
                "    just that value.",
                "",
                "To paste your color scheme from an existing HTML work you must",
                "copy you BODY tag to the clipbard then hit the paste speed button.",
            }},
        // Our own text: only its shape is given.
        {"About", help.MemoAbout, {}},
    };
    TTabbedNotebook& notebook = *help.TabbedNotebook;
    ASSERT_EQ(notebook.count(), 5);
    EXPECT_EQ(notebook.currentIndex(), 0);
    for (int page = 0; page < 5; ++page) {
        const auto& p = pages[page];
        SCOPED_TRACE(p.caption);
        EXPECT_EQ(displayedTabText(notebook, page), QLatin1String(p.caption));
        EXPECT_EQ(p.memo->parentWidget(), notebook.page(page));
        const QStringList lines = p.memo->lines();
        if (p.lines.empty())
            continue;
        ASSERT_EQ(lines.size(), qsizetype(p.lines.size()));
        for (size_t line = 0; line < p.lines.size(); ++line)
            EXPECT_EQ(lines[line], QLatin1String(p.lines[line])) << "line " << line + 1;
    }

    // A note of four lines, the terms in three, the contact details in five.
    const QStringList about = help.MemoAbout->lines();
    ASSERT_EQ(about.size(), 14);
    for (int line = 0; line < 14; ++line)
        EXPECT_EQ(about[line].isEmpty(), line == 4 || line == 8) << "line " << line + 1;
    EXPECT_TRUE(about.contains(QStringLiteral("E-mail: huewise@example.org")));
    EXPECT_TRUE(about.contains(QStringLiteral("Home page: https://huewise.example.org")));
}

TEST_F(HelpTest, MemosAreReadOnlyWrappedInTheBoldFontAndFillTheirPagesWithTheWholeText)
{
    ASSERT_TRUE(showAndActivate(help));
    TTabbedNotebook& notebook = *help.TabbedNotebook;
    EXPECT_EQ(notebook.geometry(), help.client()->rect());
    TMemo* const memos[] = {help.MemoIntro, help.MemoMain, help.MemoCsutom, help.MemoCnP, help.MemoAbout};
    ASSERT_EQ(notebook.count(), 5);
    for (int page = 0; page < 5; ++page) {
        clickTab(notebook, page);
        ASSERT_EQ(notebook.currentIndex(), page);
        TMemo* memo = memos[page];
        SCOPED_TRACE(memo->lines().value(1).toStdString());
        EXPECT_TRUE(memo->isVisible());
        EXPECT_EQ(memo->geometry(), notebook.page(page)->rect());
        EXPECT_GT(memo->width(), 380);
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_FALSE(memo->verticalScrollBar()->isVisible());
        // With no scroll bar to reach it, no line may fall below the bottom.
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(memo->font(), help.font());
        EXPECT_TRUE(memo->font().bold());

        // Every line of the pages fits the width: none is broken.
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }

    // A line wider than the page wraps at a blank instead of running off it.
    clickTab(notebook, 3);
    const QString longLine = help.MemoCnP->lines().mid(0, 2).join(QString());
    ASSERT_GT(QFontMetrics(help.MemoCnP->font()).horizontalAdvance(longLine), help.MemoCnP->viewport()->width());
    help.MemoCnP->setLines({longLine});
    QTextLayout* layout = help.MemoCnP->document()->begin().layout();
    ASSERT_EQ(layout->lineCount(), 2);
    const QTextLine first = layout->lineAt(0);
    EXPECT_EQ(longLine.at(first.textStart() + first.textLength() - 1), u' ');
    EXPECT_EQ(help.MemoCnP->verticalScrollBar()->maximum(), 0);
}

TEST_F(HelpTest, TabsUseTheRegularFontAndAllFitOneRow)
{
    ASSERT_TRUE(showAndActivate(help));
    QTabBar* bar = help.TabbedNotebook->tabBar();
    const QFont expected = makeFont(QStringLiteral("MS Sans Serif"), 11, fsRegular);
    EXPECT_EQ(bar->font().family(), expected.family());
    EXPECT_EQ(bar->font().pixelSize(), expected.pixelSize());
    EXPECT_FALSE(bar->font().bold());
    const QFontMetrics metrics(bar->font());
    for (int tab = 0; tab < bar->count(); ++tab) {
        const QString shown = displayedTabText(*help.TabbedNotebook, tab);
        SCOPED_TRACE(shown.toStdString());
        EXPECT_GE(bar->tabRect(tab).width(), metrics.horizontalAdvance(shown));
        EXPECT_EQ(bar->tabRect(tab).top(), bar->tabRect(0).top()) << "one row";
    }
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width() - 1) << "the last tab is cut off";
    EXPECT_LE(bar->width(), help.clientWidth());
}

TEST_F(HelpTest, KeepsTheChosenPageFromOneShowingToTheNext)
{
    ASSERT_TRUE(showAndActivate(help));
    ASSERT_EQ(help.TabbedNotebook->currentIndex(), 0);
    clickTab(*help.TabbedNotebook, 3);
    ASSERT_EQ(help.TabbedNotebook->currentIndex(), 3);
    // The close box, as the window manager delivers it.
    help.close();
    EXPECT_FALSE(help.isVisible());
    ASSERT_TRUE(showAndActivate(help));
    EXPECT_EQ(help.TabbedNotebook->currentIndex(), 3);
    EXPECT_TRUE(help.MemoCnP->isVisible());
    EXPECT_EQ(help.MemoCnP->geometry(), help.TabbedNotebook->page(3)->rect());
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
            const QRect text = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                Qt::AlignHCenter | Qt::TextWordWrap, label->caption());
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
}

// In the running program: neither window is the main one, so closing them
// leaves it running.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { createProgramWindows(*Application); }
    void TearDown() override { Application->Reset(); }
};

TEST_F(ProgramTest, ClosingTheHelpWindowOrTheAboutBoxKeepsTheProgramRunning)
{
    ASSERT_TRUE(showAndActivate(*HelpForm));
    HelpForm->close();
    EXPECT_FALSE(HelpForm->isVisible());

    ASSERT_TRUE(showAndActivate(*AboutBox));
    QTest::mouseClick(AboutBox->OKButton, Qt::LeftButton);
    EXPECT_FALSE(AboutBox->isVisible());

    EXPECT_FALSE(Application->terminated());
    EXPECT_TRUE(FormSplash->isVisible());
}

} // namespace
