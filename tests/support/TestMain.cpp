// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowTests.h"

// A test file with a main() of its own leaves this one out of its link.
int main(int argc, char** argv)
{
    return runWindowTests(argc, argv);
}
