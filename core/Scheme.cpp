// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Scheme.h"

QString keyword(SchemeSlot slot)
{
    switch (slot) {
    case SchemeSlot::BGCOLOR: return QStringLiteral("BGCOLOR");
    case SchemeSlot::TEXT: return QStringLiteral("TEXT");
    case SchemeSlot::LINK: return QStringLiteral("LINK");
    case SchemeSlot::VLINK: return QStringLiteral("VLINK");
    }
    return {};
}

QString defaultSchemeValue(SchemeSlot slot)
{
    switch (slot) {
    case SchemeSlot::BGCOLOR: return QStringLiteral("000000");
    case SchemeSlot::TEXT: return QStringLiteral("FFFFFF");
    case SchemeSlot::LINK: return QStringLiteral("008080");
    case SchemeSlot::VLINK: return QStringLiteral("00FFFF");
    }
    return {};
}

SchemeValues defaultScheme()
{
    SchemeValues values;
    for (SchemeSlot slot : schemeSlots)
        values[slotIndex(slot)] = defaultSchemeValue(slot);
    return values;
}

QString startupSchemeText(const SchemeValues& values)
{
    QString text;
    for (SchemeSlot slot : schemeSlots)
        text += keyword(slot) + u'#' + values[slotIndex(slot)];
    return text;
}
