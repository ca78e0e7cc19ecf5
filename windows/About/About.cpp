#include "windows/About/About.h"

#include "art/NameLetters.h"
#include "art/ProgramArt.h"
#include "platform/BitBtn.h"
#include "platform/Fonts.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"

#include <QFontMetrics>
#include <algorithm>

TAboutBox* AboutBox = nullptr;

namespace {

// The panel's blue (red 0, green 0, blue 149) and the terms' green.
constexpr TColor panelBlue = 9764864;
constexpr TColor termsGreen = 4225024;

struct Caption {
    TLabel* TAboutBox::*label;
    int left, top, width, height;
    const char* caption;
    // nullptr: the panel's font and colour.
    const char* fontName;
    int fontHeight;
    int fontStyles;
    TColor fontColor;
};

const Caption captions[] = {
    {&TAboutBox::ProductName, 112, 22, 87, 13, "Program Name:", "MS Sans Serif", 11, fsBold, clBlack},
    {&TAboutBox::Version, 112, 48, 47, 13, "Version:", "MS Sans Serif", 11, fsBold, clBlack},
    {&TAboutBox::Label2, 160, 48, 111, 13, "1.3 for Windows 95", "MS Sans Serif", 11, fsBold, clBlack},
    {&TAboutBox::Label12, 112, 72, 123, 16, "by the Huewise team", nullptr, 0, 0, 0},
    {&TAboutBox::Comments, 48, 109, 188, 26, "Free to use and to give away, with no warranty of any kind.",
        "MS Sans Serif", 12, fsBold, termsGreen},
    {&TAboutBox::Label13, 36, 137, 201, 16, "E-mail: huewise@example.org", "System", 13, fsBold, panelBlue},
    {&TAboutBox::LblAddress1, 44, 153, 156, 16, "12 Palette Lane", "System", 13, fsBold, panelBlue},
    {&TAboutBox::LblAddress2, 82, 169, 138, 16, "Colourton CT1 2AB", "System", 13, fsBold, panelBlue},
};

struct Letter {
    TLabel* TAboutBox::*label;
    QChar letter;
    TColor fontColor;
};

const Letter letters[] = {
    {&TAboutBox::Label1, u'H', clMaroon},
    {&TAboutBox::Label4, u'u', clGreen},
    {&TAboutBox::Label5, u'e', clOlive},
    {&TAboutBox::Label6, u'w', clNavy},
    {&TAboutBox::Label7, u'i', clPurple},
    {&TAboutBox::Label8, u's', clTeal},
    {&TAboutBox::Label9, u'e', clRed},
};

constexpr int firstLetterLeft = 200;
// Closer than the letters are wide: the name is set tight, each letter
// overlapping the next one's box.
constexpr int letterStep = 8;

} // namespace

TAboutBox::TAboutBox()
{
    createControls();
    applyDesign();
    OKButton->OnClick = [this](QObject* sender) { OKButtonClick(sender); };
}

void TAboutBox::createControls()
{
    Panel1 = new TPanel(client());
    ProgramIcon = new TImage(Panel1);
    for (const Letter& letter : letters)
        this->*letter.label = new TLabel(Panel1);
    for (const Caption& caption : captions)
        this->*caption.label = new TLabel(Panel1);
    OKButton = new TBitBtn(client());
}

void TAboutBox::applyDesign()
{
    setCaption(QStringLiteral("About"));
    setWindowIcon(programIcon());
    setBorderStyle(TBorderStyle::bsDialog);
    setPosition(TPosition::poScreenCenter);
    setClientWidth(298);
    setClientHeight(231);
    setFont(makeFont(QStringLiteral("System"), 13, fsRegular));

    Panel1->setBounds(8, 8, 281, 191);
    Panel1->setBevelInner(TBevelCut::bvRaised);
    Panel1->setBevelOuter(TBevelCut::bvLowered);
    Panel1->setFont(makeFont(QStringLiteral("System"), 13, fsRegular));
    Panel1->setFontColor(panelBlue);

    placeProgramPicture(ProgramIcon);

    for (const Caption& c : captions) {
        TLabel* label = this->*c.label;
        label->setBounds(c.left, c.top, c.width, c.height);
        label->setCaption(QString::fromLatin1(c.caption));
        if (c.fontName) {
            label->setFont(makeFont(QString::fromLatin1(c.fontName), c.fontHeight, c.fontStyles));
            label->setFontColor(c.fontColor);
        }
    }
    Comments->setAlignment(TAlignment::taCenter);
    Comments->setWordWrap(true);

    const QFont letterFont = makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold | fsItalic);
    std::vector<NameLetter> name;
    for (const Letter& letter : letters)
        name.push_back({this->*letter.label, letter.letter, letter.fontColor});
    placeNameLetters(name, letterFont, firstLetterLeft, 22, QFontMetrics(letterFont).height(), letterStep);

    OKButton->setBounds(111, 202, 77, 27);
    OKButton->setCaption(QStringLiteral("OK"));
    OKButton->setGlyph(QPixmap(QStringLiteral(":/glyphs/ok.xpm")));
    OKButton->setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold));
    OKButton->setFontColor(clBlack);
    // The OK kind is the default button: Enter presses it.
    OKButton->setDefault(true);
    // The window's active control: it has the focus whenever the box opens.
    OKButton->setFocus();
}

void TAboutBox::OKButtonClick(QObject*)
{
    Close();
}
