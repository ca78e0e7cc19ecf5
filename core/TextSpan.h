// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Where a piece of text lies in the text it was found in.
struct TextSpan {
    qsizetype offset = 0;
    qsizetype length = 0;
};
