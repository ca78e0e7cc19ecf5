// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/ProgramArt.h"

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/huewise-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programPicture()
{
    return QPixmap(QStringLiteral(":/picture-96.png"));
}
