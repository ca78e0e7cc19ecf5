#pragma once

#include "platform/Form.h"

// The About box: created hidden at start-up, shown modelessly on request.
class TAboutBox : public TForm {
public:
    TAboutBox();
};

extern TAboutBox* AboutBox;
