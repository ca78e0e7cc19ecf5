// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Form.h"

class TBitBtn;
class TImage;
class TLabel;
class TPanel;

// The About box: created hidden at start-up, shown modelessly on request.
class TAboutBox : public TForm {
public:
    TAboutBox();

    TPanel* Panel1;
    TImage* ProgramIcon;
    TLabel* ProductName;
    TLabel* Label1;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Version;
    TLabel* Label2;
    TLabel* Label12;
    TLabel* Comments;
    TLabel* Label13;
    TLabel* LblAddress1;
    TLabel* LblAddress2;
    TBitBtn* OKButton;

    void OKButtonClick(QObject* Sender);

private:
    void createControls();
    void applyDesign();
};

extern TAboutBox* AboutBox;
