// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// Reads the command line before any window or display is there: --help and
// --version print and give 0, anything unknown gives 2 with a line on
// stderr; nothing (the program's own case) to run. Qt's own options, such
// as -platform or the session manager's -session, are left for Qt.
std::optional<int> handleCommandLine(int argc, char** argv);
