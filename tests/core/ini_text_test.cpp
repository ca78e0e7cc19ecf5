// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/IniText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(IniText, EveryValueReadsBackAsItWasWritten)
{
    const struct {
        const char* value;
        const char* line; // as it stands in the file
        const char* readBack;
    } cases[] = {
        {"123456", "BGCOLOR=123456", "123456"},
        {"", "BGCOLOR=", ""},
        {" 1234 ", "BGCOLOR=\" 1234 \"", " 1234 "},
        {"\"1234\"", "BGCOLOR=\"\"1234\"\"", "\"1234\""},
        {"'x'", "BGCOLOR=\"'x'\"", "'x'"},
        {"\"", "BGCOLOR=\"", "\""},
        {"12\"", "BGCOLOR=12\"", "12\""},
        {"ab\r", "BGCOLOR=\"ab\r\"", "ab\r"},
        // An LF would end the line and start another.
        {"12\n[X]", "BGCOLOR=12 [X]", "12 [X]"},
        {"\n", "BGCOLOR=\" \"", " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const QString text =
            iniWithValue(QString(), QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QString::fromLatin1(c.value));
        EXPECT_EQ(text, QStringLiteral("[Colors]\n") + QString::fromLatin1(c.line) + u'\n');
        EXPECT_EQ(iniLookUp(iniLines(text), QStringLiteral("colors"), QStringLiteral("bgcolor")),
            QString::fromLatin1(c.readBack));
        EXPECT_EQ(iniStoredValue(QString::fromLatin1(c.value)), QString::fromLatin1(c.readBack));
    }
}

TEST(IniText, EntriesAreTheKeyLinesInsideSections)
{
    const QString text = QStringLiteral("A=before any section\r\n"
                                        "[Colors\r\n"
                                        "; [Colors]\r\n"
                                        "[ Colors ] trailing\r\n"
                                        "  BGCOLOR = ' 1 '  \r\n"
                                        "no equals sign\r\n"
                                        ";TEXT=commented out\r\n"
                                        "=empty key\r\n"
                                        "[Other]\n"
                                        "BGCOLOR=other section\n"
                                        "[colors]\n"
                                        "bgcolor=second of its name\n"
                                        "TEXT=from the second\n");
    const QList<IniEntry> entries = iniEntries(iniLines(text));
    const QStringList expected = {"Colors|BGCOLOR| 1 ", "Colors||empty key", "Other|BGCOLOR|other section",
        "colors|bgcolor|second of its name", "colors|TEXT|from the second"};
    QStringList seen;
    for (const IniEntry& entry : entries)
        seen << entry.section + u'|' + entry.key + u'|' + entry.value;
    EXPECT_EQ(seen, expected);

    const QStringList lines = iniLines(text);
    EXPECT_EQ(iniLookUp(lines, QStringLiteral("COLORS"), QStringLiteral("bgcolor")), QStringLiteral(" 1 "));
    EXPECT_EQ(iniLookUp(lines, QStringLiteral("Colors"), QStringLiteral("TEXT")), QStringLiteral("from the second"));
    EXPECT_EQ(iniLookUp(lines, QStringLiteral("Colors"), QStringLiteral("A")), std::nullopt);
}

TEST(IniText, SettingAKeyInADuplicatedSectionGoesToTheFirstWhereReadersLookFirst)
{
    const QString text = QStringLiteral("[Colors]\nBGCOLOR=1\n[Other]\nX=2\n[colors]\nTEXT=3\n");
    const QString changed = iniWithValue(text, QStringLiteral("Colors"), QStringLiteral("TEXT"), QStringLiteral("4"));
    EXPECT_EQ(changed, QStringLiteral("[Colors]\nBGCOLOR=1\nTEXT=4\n[Other]\nX=2\n[colors]\nTEXT=3\n"));
    EXPECT_EQ(iniLookUp(iniLines(changed), QStringLiteral("Colors"), QStringLiteral("TEXT")), QStringLiteral("4"));
}

} // namespace
