// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Splash/Splash.h"

#include "art/NameLetters.h"
#include "art/ProgramArt.h"
#include "platform/Application.h"
#include "platform/Design.h"
#include "platform/Fonts.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Timer.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <QKeyEvent>

TFormSplash* FormSplash = nullptr;

namespace {

constexpr int firstLetterLeft = 112;

} // namespace

TFormSplash::TFormSplash()
{
    createControls();
    applyDesign();
    OnCreate = [this](QObject* sender) { FormCreate(sender); };
    TmrColor->OnTimer = [this](QObject* sender) { TmrColorTimer(sender); };
    // Every control of the window takes its own clicks; each one skips the wait.
    for (TControl* control : std::initializer_list<TControl*>{
             Panel1, ProgramIcon, Label1, Label4, Label5, Label6, Label7, Label8, Label9, LblVersion, LblAuthor})
        control->OnClick = [this](QObject* sender) { FormClick(sender); };
}

void TFormSplash::FormClick(QObject*)
{
    handOverNow();
}

void TFormSplash::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    Application->dispatch([this] { handOverNow(); });
}

void TFormSplash::handOverNow()
{
    // The main window's own hand-over, run now instead of at the end of the
    // five seconds; only while this is the program's splash and it has not
    // happened yet.
    if (Application->mainForm() != this || !Color_Scan || !Color_Scan->TmrSplash->enabled())
        return;
    Color_Scan->TmrSplash->tick();
}

void TFormSplash::createControls()
{
    Panel1 = new TPanel(client());
    ProgramIcon = new TImage(Panel1);
    for (TLabel** letter : {&Label1, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9})
        *letter = new TLabel(Panel1);
    LblVersion = new TLabel(Panel1);
    LblAuthor = new TLabel(Panel1);
    TmrColor = new TTimer(this);
}

void TFormSplash::applyDesign()
{
    ::applyDesign(*this,
        {
            .caption = QStringLiteral("Huewise"),
            .icon = programIcon(),
            .borderStyle = TBorderStyle::bsNone,
            .position = TPosition::poScreenCenter,
            .clientWidth = 310,
            .clientHeight = 113,
            .font = {"System", 13},
            .formStyle = TFormStyle::fsStayOnTop,
            .visibleAtCreation = true,
        },
        {
            {LblVersion, {174, 42, 55, 51}, "1.3", {}, TFontDesign{"Times New Roman", 44}, clBtnFace, clBlack},
            {LblAuthor, {136, 90, 123, 16}, "Huewise team", {}, TFontDesign{"System", 13, fsBold}, {}, clBlue},
        });

    Panel1->setAlign(TAlign::alClient);
    Panel1->setBevelInner(TBevelCut::bvLowered);
    Panel1->setBevelOuter(TBevelCut::bvRaised);
    Panel1->setBorderStyle(TPanelBorder::bsSingle);

    placeProgramPicture(ProgramIcon);

    // Each letter starts where the one before ends, so the name reads as one word.
    const NameLetter name[] = {
        {Label1, u'H', 0x008000FF},
        {Label4, u'u', 0x00FF8080},
        {Label5, u'e', 0x00FF0080},
        {Label6, u'w', 0x00D80000},
        {Label7, u'i', 0x00D000D0},
        {Label8, u's', 0x00A0A000},
        {Label9, u'e', clRed},
    };
    placeNameLetters(
        name, makeFont(QStringLiteral("Times New Roman"), 48, fsBold | fsItalic), firstLetterLeft, -2, 54, 0);

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
