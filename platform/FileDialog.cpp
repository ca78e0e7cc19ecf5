// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileDialog.h"

#include <QFileDialog>
#include <QPointer>

TFileDialog::TFileDialog(QWidget* owner, Kind kind)
    : QObject(owner)
    , owner_(owner)
    , kind_(kind)
{}

bool TFileDialog::Execute()
{
    QPointer<QFileDialog> dialog = new QFileDialog(owner_);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (kind_ == Kind::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
    }
    const qsizetype bar = filter_.indexOf(u'|');
    if (bar >= 0)
        dialog->setNameFilter(filter_.left(bar) + QStringLiteral(" (") + filter_.mid(bar + 1) + u')');
    dialog->setDefaultSuffix(defaultExt_);
    if (!fileName_.isEmpty())
        dialog->selectFile(fileName_);

    const bool accepted = dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty();
    if (accepted)
        fileName_ = dialog->selectedFiles().constFirst();
    delete dialog;
    return accepted;
}
