// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void TClipboard::Clear()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

void TClipboard::setAsText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString TClipboard::asText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText())
        return {};
    // Plain text on a clipboard ends at its first NUL: what another program
    // left after it is not part of the text.
    const QString text = data->text();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
