// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class TApplication;

// Steps 2 to 6 of start-up: the title and the four windows, in this order,
// each stored in its variable before its creation handler runs.
void createProgramWindows(TApplication& application);
