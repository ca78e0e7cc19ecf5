// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs the window tests on the offscreen platform against a config folder
// of their own; the usual main(), and the one of a test that sets more of
// the environment first.
int runWindowTests(int argc, char** argv);
