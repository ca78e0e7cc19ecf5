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
    LblBGSum->setCaption(ini.ReadString(colors, QStringLiteral("BGCOLOR"), QStringLiteral("000000")));
    LblTextSum->setCaption(ini.ReadString(colors, QStringLiteral("TEXT"), QStringLiteral("FFFFFF")));
    LblLinkSum->setCaption(ini.ReadString(colors, QStringLiteral("LINK"), QStringLiteral("008080")));
    LblVlinkSum->setCaption(ini.ReadString(colors, QStringLiteral("VLINK"), QStringLiteral("00FFFF")));
    HlpHints->setChecked(ini.ReadBool(options, QStringLiteral("Hints"), true));
    ToolBarMnu->setChecked(ini.ReadBool(options, QStringLiteral("ToolBar"), true));
    SaveSettings->setChecked(ini.ReadBool(options, QStringLiteral("SaveSettings"), true));
    // Not clamped to the screen; a compositor that places windows itself
    // ignores it, and the value is kept and written back all the same.
    move(ini.ReadInteger(general, QStringLiteral("X"), 0), y());
    move(x(), ini.ReadInteger(general, QStringLiteral("Y"), 0));

    StartupSnapshot.Hints = HlpHints->checked();
    StartupSnapshot.BGCOLOR = LblBGSum->caption().left(6);
    StartupSnapshot.TEXT = LblTextSum->caption().left(6);
    StartupSnapshot.LINK = LblLinkSum->caption().left(6);
    StartupSnapshot.VLINK = LblVlinkSum->caption().left(6);
    StartupSnapshot.X = x();
    StartupSnapshot.Y = y();
}

QString TColor_Scan::startupSchemeText() const
{
    return QStringLiteral("BGCOLOR#") + LblBGSum->caption() + QStringLiteral("TEXT") + u'#' + LblTextSum->caption()
        + QStringLiteral("LINK") + u'#' + LblLinkSum->caption() + QStringLiteral("VLINK") + u'#'
        + LblVlinkSum->caption();
}

void TColor_Scan::saveSettings()
{
    TIniFile ini(settingsFile);
    if (SaveSettings->checked()) {
        ini.WriteString(colors, QStringLiteral("BGCOLOR"), LblBGSum->caption());
        ini.WriteString(colors, QStringLiteral("TEXT"), LblTextSum->caption());
        ini.WriteString(colors, QStringLiteral("LINK"), LblLinkSum->caption());
        ini.WriteString(colors, QStringLiteral("VLINK"), LblVlinkSum->caption());
        ini.WriteBool(options, QStringLiteral("Hints"), HlpHints->checked());
        ini.WriteBool(options, QStringLiteral("ToolBar"), ToolBarMnu->checked());
        ini.WriteBool(options, QStringLiteral("SaveSettings"), SaveSettings->checked());
        ini.WriteInteger(general, QStringLiteral("X"), x());
        ini.WriteInteger(general, QStringLiteral("Y"), y());
    } else {
        // Back to what was loaded; the tool-bar option keeps what the file had.
        ini.WriteInteger(general, QStringLiteral("X"), StartupSnapshot.X);
        ini.WriteInteger(general, QStringLiteral("Y"), StartupSnapshot.Y);
        ini.WriteString(colors, QStringLiteral("BGCOLOR"), StartupSnapshot.BGCOLOR);
        ini.WriteString(colors, QStringLiteral("TEXT"), StartupSnapshot.TEXT);
        ini.WriteString(colors, QStringLiteral("LINK"), StartupSnapshot.LINK);
        ini.WriteString(colors, QStringLiteral("VLINK"), StartupSnapshot.VLINK);
        ini.WriteBool(options, QStringLiteral("Hints"), StartupSnapshot.Hints);
        ini.WriteBool(options, QStringLiteral("SaveSettings"), SaveSettings->checked());
    }
}

void TColor_Scan::SaveSettingsClick(QObject*)
{
    SaveSettings->setChecked(!SaveSettings->checked());
}
