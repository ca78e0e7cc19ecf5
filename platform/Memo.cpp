// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Memo.h"

TMemo::TMemo(QWidget* parent)
    : TWidget<QPlainTextEdit>(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QStringList TMemo::lines() const
{
    const QString text = toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

void TMemo::setLines(const QStringList& lines)
{
    setPlainText(lines.join(u'\n'));
}
