// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/About/About.h"

#include "art/NameLetters.h"
#include "art/ProgramArt.h"
#include "platform/BitBtn.h"
#include "platform/Design.h"
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

constexpr TFontDesign captionFont{"MS Sans Serif", 11, fsBold};
constexpr TFontDesign contactFont{"System", 13, fsBold};

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
    for (TLabel** label : {&Label1, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &ProductName, &Version,
             &Label2, &Label12, &Comments, &Label13, &LblAddress1, &LblAddress2})
        *label = new TLabel(Panel1);
    OKButton = new TBitBtn(client());
}

void TAboutBox::applyDesign()
{
    ::applyDesign(*this,
        {
            .caption = QStringLiteral("About"),
            .icon = programIcon(),
            .borderStyle = TBorderStyle::bsDialog,
            .position = TPosition::poScreenCenter,
            .clientWidth = 298,
            .clientHeight = 231,
            .font = {"System", 13},
        },
        {
            {Panel1, {8, 8, 281, 191}, {}, {}, TFontDesign{"System", 13}, {}, panelBlue},
            {ProductName, {112, 22, 87, 13}, "Program Name:", {}, captionFont, {}, clBlack},
            {Version, {112, 48, 47, 13}, "Version:", {}, captionFont, {}, clBlack},
            {Label2, {160, 48, 111, 13}, "1.3 for Windows 95", {}, captionFont, {}, clBlack},
            // The panel's font and colour.
            {Label12, {112, 72, 123, 16}, "by the Huewise team"},
            {Comments, {48, 109, 188, 26}, "Free to use and to give away, with no warranty of any kind.", {},
                TFontDesign{"MS Sans Serif", 12, fsBold}, {}, termsGreen},
            {Label13, {36, 137, 201, 16}, "E-mail: huewise@example.org", {}, contactFont, {}, panelBlue},
            {LblAddress1, {44, 153, 156, 16}, "12 Palette Lane", {}, contactFont, {}, panelBlue},
            {LblAddress2, {82, 169, 138, 16}, "Colourton CT1 2AB", {}, contactFont, {}, panelBlue},
            {OKButton, {111, 202, 77, 27}, "OK", {}, captionFont, {}, clBlack},
        });

    closeOnEscape(*this);
    Panel1->setBevelInner(TBevelCut::bvRaised);
    Panel1->setBevelOuter(TBevelCut::bvLowered);

    placeProgramPicture(ProgramIcon);

    Comments->setAlignment(TAlignment::taCenter);
    Comments->setWordWrap(true);

    const NameLetter name[] = {
        {Label1, u'H', clMaroon},
        {Label4, u'u', clGreen},
        {Label5, u'e', clOlive},
        {Label6, u'w', clNavy},
        {Label7, u'i', clPurple},
        {Label8, u's', clTeal},
        {Label9, u'e', clRed},
    };
    const QFont letterFont = makeFont(QStringLiteral("MS Sans Serif"), 11, fsBold | fsItalic);
    placeNameLetters(name, letterFont, firstLetterLeft, 22, QFontMetrics(letterFont).height(), letterStep);

    OKButton->setGlyph(QPixmap(QStringLiteral(":/glyphs/ok.xpm")));
    // The OK kind is the default button: Enter presses it.
    OKButton->setDefault(true);
    // The window's active control: it has the focus whenever the box opens.
    OKButton->setFocus();
}

void TAboutBox::OKButtonClick(QObject*)
{
    Close();
}
