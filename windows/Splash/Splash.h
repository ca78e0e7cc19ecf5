// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Form.h"

class TImage;
class TLabel;
class TPanel;
class TTimer;

// Shown first and for five seconds while the main window is prepared, or
// until a click or a key on it; it is the application's main form, so
// closing it ends the program.
class TFormSplash : public TForm {
public:
    TFormSplash();

    TPanel* Panel1;
    TImage* ProgramIcon;
    TLabel* Label1;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* LblVersion;
    TLabel* LblAuthor;
    TTimer* TmrColor;

    void FormCreate(QObject* Sender);
    void TmrColorTimer(QObject* Sender);
    void FormClick(QObject* Sender);

    // The step of the version text's colour cycle.
    static constexpr TColor colorStep = 527600;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void handOverNow();
    void createControls();
    void applyDesign();
};

extern TFormSplash* FormSplash;
