// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file's text: what a reader sees survives being written back.
// Parsing a text, writing every key it shows into a new text and parsing
// that gives the same sections, keys and values; writing them back into the
// text itself changes none of them; and setting one key changes that key
// alone, leaves every other line as it was, and reads back as written.
//
// Input: the new value first, ended by a backslash and one more byte (a
// doubled backslash stands for one); the settings text; and a last byte that
// chooses which key the new value goes to.

#include "Check.h"
#include "core/IniText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QMap>
#include <QPair>

#include <iterator>

namespace {

// Names match as the reader matches them, one character at a time.
QString folded(const QString& name)
{
    QString fold = name;
    for (QChar& c : fold)
        c = c.toCaseFolded();
    return fold;
}

using Shown = QMap<QPair<QString, QString>, QString>;

// What a reader finds: for each section and key, the first entry.
Shown shown(const QString& text, QList<IniEntry>* firsts = nullptr)
{
    const QStringList lines = iniLines(text);
    Shown found;
    for (const IniEntry& entry : iniEntries(lines)) {
        const auto name = qMakePair(folded(entry.section), folded(entry.key));
        if (found.contains(name))
            continue;
        found.insert(name, entry.value);
        if (firsts)
            firsts->append(entry);
        require(iniLookUp(lines, entry.section, entry.key) == entry.value, "a look-up finds the first entry");
    }
    return found;
}

struct Name {
    const char* section;
    const char* key;
};
// The program's own keys, one in a section of its own, one spelt in another case.
constexpr Name names[] = {{"Colors", "BGCOLOR"}, {"Colors", "TEXT"}, {"Colors", "LINK"}, {"Colors", "VLINK"},
    {"Options", "Hints"}, {"Options", "ToolBar"}, {"Options", "SaveSettings"}, {"General", "X"}, {"General", "Y"},
    {"Mine", "A"}, {"colors", "bgcolor"}};

void requireOnlyThatLineChanged(const QString& before, const QString& after, const QString& key)
{
    const QStringList old = iniLines(before);
    const QStringList now = iniLines(after);
    const qsizetype added = now.size() - old.size();
    require(added >= 0 && added <= 2, "one line replaced, or one or two lines added");
    const auto [o, n] = std::mismatch(old.begin(), old.end(), now.begin(), now.end());
    const qsizetype at = std::distance(now.begin(), n);
    if (at == now.size())
        return; // the same line written again
    const qsizetype skip = added == 0 ? 1 : added;
    require(std::equal(o + (added == 0 ? 1 : 0), old.end(), n + skip, now.end()), "every other line stays as it was");
    const QList<IniEntry> written = iniEntries(QStringList{QStringLiteral("[s]"), now[at + skip - 1]});
    require(written.size() == 1 && written[0].key == key, "what changed is the key's own line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string valueBytes = input.ConsumeRandomLengthString(2048);
    const QString value = QString::fromLatin1(valueBytes.data(), static_cast<qsizetype>(valueBytes.size()));
    const std::size_t choice = input.ConsumeIntegralInRange<std::size_t>(0, std::size(names) - 1);
    const std::string textBytes = input.ConsumeRemainingBytesAsString();
    const QString text = QString::fromLatin1(textBytes.data(), static_cast<qsizetype>(textBytes.size()));

    QList<IniEntry> firsts;
    const Shown original = shown(text, &firsts);

    QString rebuilt;
    QString rewritten = text;
    for (const IniEntry& entry : firsts) {
        rebuilt = iniWithValue(rebuilt, entry.section, entry.key, entry.value);
        rewritten = iniWithValue(rewritten, entry.section, entry.key, entry.value);
    }
    require(shown(rebuilt) == original, "a text written from what was read reads the same");
    require(iniEntries(iniLines(rebuilt)).size() == original.size(), "and holds nothing else");
    require(shown(rewritten) == original, "writing back what was read changes nothing a reader sees");

    const QString section = QLatin1String(names[choice].section);
    const QString key = QLatin1String(names[choice].key);
    const QString changed = iniWithValue(text, section, key, value);
    Shown expected = original;
    expected.insert(qMakePair(folded(section), folded(key)), iniStoredValue(value));
    require(shown(changed) == expected, "setting a key changes that key alone, to what was written");
    require(iniLookUp(iniLines(changed), section, key) == iniStoredValue(value), "the key reads back as written");
    requireOnlyThatLineChanged(text, changed, key);
    return 0;
}
