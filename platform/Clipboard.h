// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The desktop clipboard (never the X primary selection), as plain text.
class TClipboard {
public:
    void Clear();
    // Replaces whatever the clipboard held with this text alone.
    void setAsText(const QString& text);
    // Up to its first NUL; the empty text when the clipboard holds no text,
    // only a picture, or cannot be read.
    QString asText() const;
};

// One for the application, created on first use.
TClipboard& Clipboard();
