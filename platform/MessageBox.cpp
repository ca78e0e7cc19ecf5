// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

TModalResult MessageDlg(const QString& message, TMsgDlgType)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), message);
    // Action roles keep the buttons in the order they are added, whatever
    // order the desktop's button layout would give Yes and No.
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? TModalResult::mrYes : TModalResult::mrNo;
}
