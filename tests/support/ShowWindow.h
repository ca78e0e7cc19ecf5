#pragma once

#include <gtest/gtest.h>

class TColor_Scan;
class TForm;

// Shows the window the way the program does and waits until it is exposed
// and active, so QTest input reaches it like a person's would.
::testing::AssertionResult showAndActivate(TForm& form);

// Runs the main window's creation handler without the rest of the program:
// its five-second hand-over would reach for a splash window there is none of.
::testing::AssertionResult startAlone(TColor_Scan& window);
