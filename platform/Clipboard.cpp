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
    return data->text();
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
