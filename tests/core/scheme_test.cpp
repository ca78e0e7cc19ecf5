// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Scheme.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(Scheme, DefaultSchemeComesBackAsTheFortyEightCharacterStartupText)
{
    const QString text = startupSchemeText(defaultScheme());
    EXPECT_EQ(text, QStringLiteral("BGCOLOR#000000TEXT#FFFFFFLINK#008080VLINK#00FFFF"));
    EXPECT_EQ(text.size(), 48);
    // Stored values go in as they are, even when they are not colours.
    EXPECT_EQ(startupSchemeText({"FFF", "", "abcdef", "12345678"}),
        QStringLiteral("BGCOLOR#FFFTEXT#LINK#abcdefVLINK#12345678"));
}

} // namespace
