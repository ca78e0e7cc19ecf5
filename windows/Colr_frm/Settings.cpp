// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "core/IniFile.h"
#include "platform/Label.h"
#include "platform/Menu.h"

namespace {
const QString settingsFile = QStringLiteral("Huewise.ini");
const QString colors = QStringLiteral("Colors");
const QString options = QStringLiteral("Options");
const QString general = QStringLiteral("General");
} // namespace

void TColor_Scan::loadSettings()
{
    const TIniFile ini(settingsFile);
    for (const TSchemeAttribute& attribute : attributes_)
        attribute.summary->setCaption(
            ini.ReadString(colors, keyword(attribute.slot), defaultSchemeValue(attribute.slot)));
    HlpHints->setChecked(ini.ReadBool(options, QStringLiteral("Hints"), true));
    ToolBarMnu->setChecked(ini.ReadBool(options, QStringLiteral("ToolBar"), true));
    SaveSettings->setChecked(ini.ReadBool(options, QStringLiteral("SaveSettings"), true));
    // Not clamped to the screen; a compositor that places windows itself
    // ignores it, and the value is kept and written back all the same.
    move(ini.ReadInteger(general, QStringLiteral("X"), 0), y());
    move(x(), ini.ReadInteger(general, QStringLiteral("Y"), 0));

    StartupSnapshot.Hints = HlpHints->checked();
    for (const TSchemeAttribute& attribute : attributes_)
        StartupSnapshot.Colors[slotIndex(attribute.slot)] = attribute.summary->caption().left(6);
    StartupSnapshot.X = x();
    StartupSnapshot.Y = y();
}

void TColor_Scan::saveSettings()
{
    TIniFile ini(settingsFile);
    if (SaveSettings->checked()) {
        for (const TSchemeAttribute& attribute : attributes_)
            ini.WriteString(colors, keyword(attribute.slot), attribute.summary->caption());
        ini.WriteBool(options, QStringLiteral("Hints"), HlpHints->checked());
        ini.WriteBool(options, QStringLiteral("ToolBar"), ToolBarMnu->checked());
        ini.WriteBool(options, QStringLiteral("SaveSettings"), SaveSettings->checked());
        ini.WriteInteger(general, QStringLiteral("X"), x());
        ini.WriteInteger(general, QStringLiteral("Y"), y());
    } else {
        // Back to what was loaded; the tool-bar option keeps what the file had.
        ini.WriteInteger(general, QStringLiteral("X"), StartupSnapshot.X);
        ini.WriteInteger(general, QStringLiteral("Y"), StartupSnapshot.Y);
        for (SchemeSlot slot : schemeSlots)
            ini.WriteString(colors, keyword(slot), StartupSnapshot.Colors[slotIndex(slot)]);
        ini.WriteBool(options, QStringLiteral("Hints"), StartupSnapshot.Hints);
        ini.WriteBool(options, QStringLiteral("SaveSettings"), SaveSettings->checked());
    }
}

void TColor_Scan::SaveSettingsClick(QObject*)
{
    SaveSettings->setChecked(!SaveSettings->checked());
}
