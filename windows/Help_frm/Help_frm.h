// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Form.h"

class TMemo;
class TTabbedNotebook;

// The help window: created hidden at start-up, shown modelessly on request.
// It has no handlers; it is all layout and text.
class THelpForm : public TForm {
public:
    THelpForm();

    TTabbedNotebook* TabbedNotebook;
    TMemo* MemoIntro;
    TMemo* MemoMain;
    TMemo* MemoCsutom;
    TMemo* MemoCnP;
    TMemo* MemoAbout;
    // After the five pages: the contrast check, the CSS copy, typed values,
    // the keys and what can be pasted.
    TMemo* MemoMore;

private:
    void createControls();
    void applyDesign();
};

extern THelpForm* HelpForm;
