#pragma once

#include "platform/Form.h"

// The help window: created hidden at start-up, shown modelessly on request.
class THelpForm : public TForm {
public:
    THelpForm();
};

extern THelpForm* HelpForm;
