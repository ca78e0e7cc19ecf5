#include "windows/Splash/Splash.h"

#include "art/NameLetters.h"
#include "art/ProgramArt.h"
#include "platform/Fonts.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Timer.h"


TFormSplash* FormSplash = nullptr;

namespace {

struct Letter {
    TLabel* TFormSplash::*label;
    QChar letter;
    TColor fontColor;
};

constexpr int firstLetterLeft = 112;

const Letter letters[] = {
    {&TFormSplash::Label1, u'H', 0x008000FF},
    {&TFormSplash::Label4, u'u', 0x00FF8080},
    {&TFormSplash::Label5, u'e', 0x00FF0080},
    {&TFormSplash::Label6, u'w', 0x00D80000},
    {&TFormSplash::Label7, u'i', 0x00D000D0},
    {&TFormSplash::Label8, u's', 0x00A0A000},
    {&TFormSplash::Label9, u'e', clRed},
};

} // namespace

TFormSplash::TFormSplash()
{
    createControls();
    applyDesign();
    OnCreate = [this](QObject* sender) { FormCreate(sender); };
    TmrColor->OnTimer = [this](QObject* sender) { TmrColorTimer(sender); };
}

void TFormSplash::createControls()
{
    Panel1 = new TPanel(client());
    ProgramIcon = new TImage(Panel1);
    for (const Letter& letter : letters)
        this->*letter.label = new TLabel(Panel1);
    LblVersion = new TLabel(Panel1);
    LblAuthor = new TLabel(Panel1);
    TmrColor = new TTimer(this);
}

void TFormSplash::applyDesign()
{
    setCaption(QStringLiteral("Huewise"));
    setWindowIcon(programIcon());
    setBorderStyle(TBorderStyle::bsNone);
    setFormStyle(TFormStyle::fsStayOnTop);
    setPosition(TPosition::poScreenCenter);
    setVisibleAtCreation(true);
    setFont(makeFont(QStringLiteral("System"), 13, fsRegular));
    setClientWidth(310);
    setClientHeight(113);

    Panel1->setAlign(TAlign::alClient);
    Panel1->setBevelInner(TBevelCut::bvLowered);
    Panel1->setBevelOuter(TBevelCut::bvRaised);
    Panel1->setBorderStyle(TPanelBorder::bsSingle);

    placeProgramPicture(ProgramIcon);

    // Each letter starts where the one before ends, so the name reads as one word.
    std::vector<NameLetter> name;
    for (const Letter& letter : letters)
        name.push_back({this->*letter.label, letter.letter, letter.fontColor});
    placeNameLetters(name, makeFont(QStringLiteral("Times New Roman"), 48, fsBold | fsItalic), firstLetterLeft, -2,
        54, 0);

    LblVersion->setBounds(174, 42, 55, 51);
    LblVersion->setCaption(QStringLiteral("1.3"));
    LblVersion->setFont(makeFont(QStringLiteral("Times New Roman"), 44, fsRegular));
    LblVersion->setFontColor(clBlack);
    LblVersion->setColor(clBtnFace);

    LblAuthor->setBounds(136, 90, 123, 16);
    LblAuthor->setCaption(QStringLiteral("Huewise team"));
    LblAuthor->setFont(makeFont(QStringLiteral("System"), 13, fsBold));
    LblAuthor->setFontColor(clBlue);

    TmrColor->setInterval(100);
    TmrColor->setEnabled(true);
}

void TFormSplash::FormCreate(QObject*)
{
    setColor(0);
}

void TFormSplash::TmrColorTimer(QObject*)
{
    // Signed, as the counter is; it wraps to black past white.
    const TColor sum = color() + colorStep;
    setColor(sum > 0xFFFFFF ? 0 : sum);
    LblVersion->setFontColor(color());
}
