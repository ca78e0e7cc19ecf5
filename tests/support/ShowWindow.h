#pragma once

#include <gtest/gtest.h>

class TForm;

// Shows the window the way the program does and waits until it is exposed
// and active, so QTest input reaches it like a person's would.
::testing::AssertionResult showAndActivate(TForm& form);
