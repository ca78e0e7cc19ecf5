// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <Qt>

class TColor_Scan;
class TForm;

// Shows the window the way the program does and waits until it is exposed
// and active, so QTest input reaches it like a person's would.
::testing::AssertionResult showAndActivate(TForm& form);

// Runs the main window's creation handler without the rest of the program:
// its five-second hand-over would reach for a splash window there is none of.
::testing::AssertionResult startAlone(TColor_Scan& window);

// Opens a menu of the bar with Alt and its access key and chooses the item
// with its access key, as a person does from the keyboard.
::testing::AssertionResult chooseFromMenu(TForm& form, Qt::Key menuKey, Qt::Key itemKey);
