// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CustomColors.h"

#include "core/SysUtils.h"

QString customColorName(int box)
{
    return QStringLiteral("Color") + QChar(u'A' + box);
}

CustomColorBoxes boxesFromList(const TStringList& list)
{
    CustomColorBoxes boxes;
    for (int box = 0; box < customColorCount; ++box) {
        const int index = list.indexOfName(customColorName(box));
        const QString value = index < 0 ? QString() : TStringList::valueOf(list[index]);
        boxes[box] = value.isEmpty() ? -1 : StrToInt(u'$' + value);
    }
    return boxes;
}

void rewriteList(TStringList& list, const CustomColorBoxes& boxes)
{
    for (int box = 0; box < customColorCount; ++box) {
        const QString name = customColorName(box);
        const QString line = name + u'=' + IntToHex(static_cast<unsigned>(boxes[box]), 6);
        const int index = list.indexOfName(name);
        if (index < 0)
            list.add(line);
        else
            list.setString(index, line);
    }
}
