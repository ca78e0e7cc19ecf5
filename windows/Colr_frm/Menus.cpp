// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "platform/Fonts.h"
#include "platform/Menu.h"

#include <QKeySequence>
#include <optional>

namespace {

struct MenuEntry {
    TMenuItem* TColor_Scan::*item;
    TMenuItem* TColor_Scan::*menu; // nullptr: a menu of the bar
    const char* caption;
    const char* hint;
    bool checked;
};

using T = TColor_Scan;

const MenuEntry menuEntries[] = {
    {&T::FileMnu, nullptr, "&File", "Open Custom Color File.", false},
    {&T::NewMnu, &T::FileMnu, "&New", "Reset custom colors.", false},
    {&T::OpenMnu, &T::FileMnu, "&Open...", "Load custom color file.", false},
    {&T::SaveMnu, &T::FileMnu, "&Save", "Save Custom Color File.", false},
    {&T::SaveAsMnu, &T::FileMnu, "Save &As...", "Create New Custom Color File.", false},
    {&T::N2, &T::FileMnu, "-", "", false},
    {&T::ExitMnu, &T::FileMnu, "E&xit", "Bye Bye!", false},
    {&T::Edit1, nullptr, "&Edit", "", false},
    {&T::CopyScheme1, &T::Edit1, "&Copy Scheme", "Copy Color Scheme to Clipboard.", false},
    {&T::PasteScheme1, &T::Edit1, "&Paste Scheme", "Paste Color Scheme from Clipboard.", false},
    {&T::CustomColor1, &T::Edit1, "C&ustom Color", "", false},
    {&T::N1, &T::Edit1, "-", "", false},
    {&T::CopyBackground1, &T::Edit1, "Copy &Background", "Copy Background Color to Clipboard.", false},
    {&T::CopyText1, &T::Edit1, "Copy &Text", "Copy Text Color to Clipboard.", false},
    {&T::CopyLink1, &T::Edit1, "Copy &Link", "Copy Link Color to Clipboard.", false},
    {&T::CopyVLink1, &T::Edit1, "Copy &VLink", "Copy VLink Color to Clipboard.", false},
    {&T::OptionsMnu, nullptr, "&Options", "", false},
    {&T::HlpHints, &T::OptionsMnu, "&Hint Balloons", "", false},
    {&T::SaveSettings, &T::OptionsMnu, "&Save Settings", "", true},
    {&T::ToolBarMnu, &T::OptionsMnu, "&ToolBar", "", true},
    {&T::Help1, nullptr, "&Help", "", false},
    {&T::HlpUsage, &T::Help1, "&Usage", "", false},
    {&T::HlpAbout, &T::Help1, "&About...", "", false},
    {&T::N3, &T::Edit1, "-", "", false},
    {&T::CopyCss1, &T::Edit1, "Copy Scheme as CS&S", "Copy Color Scheme to Clipboard as CSS.", false},
    {&T::N4, &T::OptionsMnu, "-", "", false},
    {&T::ContrastCheck1, &T::OptionsMnu, "&Contrast Check...", "", false},
};

// The keys people expect, Qt's standard ones where there is one; the named
// key comes first, as the menu shows the first.
struct ShortcutEntry {
    TMenuItem* TColor_Scan::*item;
    std::optional<QKeySequence::StandardKey> standard;
    const char* named;
    const char* also;
};

const ShortcutEntry shortcutEntries[] = {
    {&T::NewMnu, QKeySequence::New, "Ctrl+N", nullptr},
    {&T::OpenMnu, QKeySequence::Open, "Ctrl+O", nullptr},
    {&T::SaveMnu, QKeySequence::Save, "Ctrl+S", nullptr},
    {&T::SaveAsMnu, QKeySequence::SaveAs, "Ctrl+Shift+S", nullptr},
    {&T::ExitMnu, QKeySequence::Quit, "Ctrl+Q", nullptr},
    {&T::CopyScheme1, QKeySequence::Copy, "Ctrl+C", "Ctrl+Ins"},
    {&T::PasteScheme1, QKeySequence::Paste, "Ctrl+V", "Shift+Ins"},
    {&T::CopyCss1, std::nullopt, "Ctrl+Shift+C", nullptr},
    {&T::HlpUsage, QKeySequence::HelpContents, "F1", nullptr},
};

QList<QKeySequence> keysOf(const ShortcutEntry& entry)
{
    QList<QKeySequence> keys{QKeySequence(QLatin1String(entry.named))};
    if (entry.standard)
        keys += QKeySequence::keyBindings(*entry.standard);
    if (entry.also)
        keys += QKeySequence(QLatin1String(entry.also));
    QList<QKeySequence> unique;
    for (const QKeySequence& key : keys) {
        if (!key.isEmpty() && !unique.contains(key))
            unique += key;
    }
    return unique;
}

} // namespace

void TColor_Scan::createMenus()
{
    MainMenu = new TMainMenu(this);
    for (const MenuEntry& entry : menuEntries) {
        const QString caption = QString::fromLatin1(entry.caption);
        TMenuItem* item = entry.menu ? (this->*entry.menu)->add(caption) : MainMenu->add(caption);
        item->setHint(QString::fromLatin1(entry.hint));
        item->setChecked(entry.checked);
        this->*entry.item = item;
    }
    for (const ShortcutEntry& entry : shortcutEntries)
        (this->*entry.item)->setShortcuts(keysOf(entry));
    MainMenu->setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, fsRegular));
}
