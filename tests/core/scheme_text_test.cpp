// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SchemeText.h"

#include <gtest/gtest.h>

namespace {

using Values = std::array<const char*, 4>; // nullptr: left as it is

bool isUpperHex(const QString& value)
{
    return value.size() == 6 && std::all_of(value.begin(), value.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    });
}

// The found values, each checked to lie inside the text; a value that is
// no colour can only be the six characters after a "#", as they stand.
std::array<std::optional<QString>, 4> readValues(const QString& text)
{
    const FoundValues found = findSchemeValues(text);
    std::array<std::optional<QString>, 4> values;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!found[i])
            continue;
        EXPECT_GE(found[i]->offset, 0);
        EXPECT_GE(found[i]->length, 1);
        EXPECT_LE(found[i]->offset + found[i]->length, text.size()) << "a value reaches past the end of the text";
        EXPECT_EQ(found[i]->value.size(), 6);
        if (!isUpperHex(found[i]->value)) {
            EXPECT_EQ(found[i]->length, 6);
            EXPECT_EQ(found[i]->value, text.mid(found[i]->offset, 6));
            EXPECT_EQ(text.mid(found[i]->offset - 1, 1), QStringLiteral("#"));
        }
        values[i] = found[i]->value;
    }
    return values;
}

void expectValues(const QString& text, const Values& expected, bool upperCased)
{
    const auto values = readValues(text);
    for (std::size_t i = 0; i < 4; ++i) {
        if (!expected[i]) {
            EXPECT_FALSE(values[i].has_value()) << "attribute " << i << " read " << values[i]->toStdString();
            continue;
        }
        const QString value = QString::fromLatin1(expected[i]);
        EXPECT_EQ(values[i], upperCased ? upperCaseAscii(value) : value) << "attribute " << i;
    }
}

const char* const page = R"(<!DOCTYPE html>
<html><head><title>Colours</title>
<!-- bgcolor="#FF0000" <body bgcolor="#00FF00"> -->
<style>body { color: red }</style></head>
<table bgcolor="#0000FF"><tr><td>x</td></tr></table>
<body text="#333333"
      bgcolor="white" link=navy>
<p>LINK="#FFFFFF" vlink="#123456"</p>
</body></html>
)";

// Each text as given and upper-cased, as the paste hands it over.
TEST(SchemeTextReader, ReadsEachFormOfClipboardText)
{
    const struct {
        const char* text;
        Values expected;
    } cases[] = {
        // Attribute text, as the program copies it and as people type it.
        {R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")",
            {"000000", "FFFFFF", "008080", "00FFFF"}},
        {R"(BGCOLOR="#FF00FF")", {"FF00FF", nullptr, nullptr, nullptr}},
        {"bgcolor=#ff00ff text=#00ff00", {"ff00ff", "00ff00", nullptr, nullptr}},
        // A longer name holding a keyword never takes the keyword's value.
        {R"(VLINK="#800080" LINK="#0000FF")", {nullptr, nullptr, "0000FF", "800080"}},
        {R"(ALINK="#FF0000" LINK="#0000FF")", {nullptr, nullptr, "0000FF", nullptr}},
        {R"(ALINK="#FF0000")", {nullptr, nullptr, nullptr, nullptr}},
        {R"(BACKGROUND="TEXTURE.GIF" BGCOLOR="#FFFFFF" TEXT="#000000")", {"FFFFFF", "000000", nullptr, nullptr}},
        {R"(DATA-TEXT="#111111" TEXT="#222222")", {nullptr, "222222", nullptr, nullptr}},
        {R"(VLINK="#0000FF")", {nullptr, nullptr, nullptr, "0000FF"}},
        {"BGCOLOR=#FFFFFF", {"FFFFFF", nullptr, nullptr, nullptr}},
        // "#" and six or more characters: the six as they stand.
        {R"(BGCOLOR="#1234567")", {"123456", nullptr, nullptr, nullptr}},
        {R"(BGCOLOR="#12345G" TEXT="#00FF00")", {"12345G", "00FF00", nullptr, nullptr}},
        // Any other value reads as browsers read it.
        {R"(BGCOLOR=WHITE TEXT="#000000")", {"FFFFFF", "000000", nullptr, nullptr}},
        {R"(bgcolor="cccccc")", {"CCCCCC", nullptr, nullptr, nullptr}},
        {R"(text="WHITE")", {nullptr, "FFFFFF", nullptr, nullptr}},
        {R"(bgcolor="#fff" text="#000000")", {"FFFFFF", "000000", nullptr, nullptr}},
        {"bgcolor=chucknorris", {"C00000", nullptr, nullptr, nullptr}},
        {R"(bgcolor="#ffff")", {"FFFF00", nullptr, nullptr, nullptr}},
        {R"(bgcolor=" #00ff00")", {"00FF00", nullptr, nullptr, nullptr}},
        {R"(bgcolor="   ")", {"000000", nullptr, nullptr, nullptr}},
        {R"(bgcolor="transparent" text="" link=)", {nullptr, nullptr, nullptr, nullptr}},
        // A quote left open runs to the end of the text.
        {R"(BGCOLOR="#FFF)", {"FFFFFF", nullptr, nullptr, nullptr}},
        {"BGCOLOR = '#ABCDEF'", {"ABCDEF", nullptr, nullptr, nullptr}},
        // The first attribute of a name counts, and quoted text holds none.
        {R"(BGCOLOR="RED" BGCOLOR="#00FF00")", {"FF0000", nullptr, nullptr, nullptr}},
        {R"(TITLE="BGCOLOR=#FF0000" BGCOLOR="#00FF00")", {"00FF00", nullptr, nullptr, nullptr}},
        {R"(<table bgcolor=#ff0000><tr><td bgcolor="blue">)", {"ff0000", nullptr, nullptr, nullptr}},
        {"TEXT#FFFFFF BGCOLOR=#000000", {"000000", nullptr, nullptr, nullptr}},

        // A page or a BODY tag: that tag's attributes alone.
        {R"(<body bgcolor="white">)", {"FFFFFF", nullptr, nullptr, nullptr}},
        {R"(<body bgcolor="#fff">)", {"FFFFFF", nullptr, nullptr, nullptr}},
        {R"(<body alink="#FF0000">)", {nullptr, nullptr, nullptr, nullptr}},
        {R"(<BODY BGCOLOR = "#ABCDEF" TEXT='#123456' LINK=#654321>)", {"ABCDEF", "123456", "654321", nullptr}},
        {page, {"FFFFFF", "333333", "000080", nullptr}},
        {R"(<body>BGCOLOR="#FFFFFF")", {nullptr, nullptr, nullptr, nullptr}},
        {"<body/bgcolor=red>", {"FF0000", nullptr, nullptr, nullptr}},
        {R"(<body title="a>b" bgcolor=#00ff00>)", {"00ff00", nullptr, nullptr, nullptr}},
        {"<bodyx bgcolor=red><body text=blue>", {nullptr, "0000FF", nullptr, nullptr}},
        {"<!--> <body bgcolor=red>", {"FF0000", nullptr, nullptr, nullptr}},
        {"<!-- <body bgcolor=red> --!> <body text=lime>", {nullptr, "00FF00", nullptr, nullptr}},
        {R"(<body bgcolor="#12345G">)", {"12345G", nullptr, nullptr, nullptr}},
        {R"(<body bgcolor="#00FF00" text=navy)", {"00FF00", "000080", nullptr, nullptr}},
        {"<body bgcolor bgcolor=red>", {nullptr, nullptr, nullptr, nullptr}},
        {R"(<body data-bgcolor="red" bgcolor="lime">)", {"00FF00", nullptr, nullptr, nullptr}},
        {"<body\tbgcolor=#1234567>", {"123456", nullptr, nullptr, nullptr}},

        // A style sheet.
        {"body { background-color: #000000; color: #FFFFFF; }\na:link { color: #008080; }\n"
         "a:visited { color: #00FFFF; }\n",
            {"000000", "FFFFFF", "008080", "00FFFF"}},
        {"body, html { background: url(bg.png) #fff no-repeat; color: rgb(0 0 128) !important }\na { color: red }",
            {"FFFFFF", "000080", "FF0000", nullptr}},
        {"a:visited { color: rebeccapurple }", {nullptr, nullptr, nullptr, "663399"}},
        {"body { color: var(--text) } a{", {nullptr, nullptr, nullptr, nullptr}},

        // Anything else: each keyword's first occurrence and the next "#".
        {"BGCOLOR#000000TEXT#FFFFFFLINK#008080VLINK#00FFFF", {"000000", "FFFFFF", "008080", "00FFFF"}},
        // Start-up text with a short stored value reads on into the next keyword.
        {"BGCOLOR#FFFTEXT#FFFFFFLINK#008080VLINK#00FFFF", {"FFFTEX", "FFFFFF", "008080", "00FFFF"}},
        {"BGCOLOR#abcdefTEXT#FFFFFFLINK#008080VLINK#00ffff", {"abcdef", "FFFFFF", "008080", "00ffff"}},
        // Fewer than six characters before the end: skipped, nothing read past it.
        {"BGCOLOR#000000TEXT#FFFFFFLINK#008080VLINK#0FF", {"000000", "FFFFFF", "008080", nullptr}},
        {"TEXT#", {nullptr, nullptr, nullptr, nullptr}},
        // A keyword with no "#" after it at all is skipped.
        {"BGCOLOR TEXT LINK", {nullptr, nullptr, nullptr, nullptr}},
        {"", {nullptr, nullptr, nullptr, nullptr}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        expectValues(text, c.expected, false);
        SCOPED_TRACE("upper-cased");
        expectValues(upperCaseAscii(text), c.expected, true);
    }
}

// The start-up form keeps the old search, which matches the upper-case
// keywords only; a paste upper-cases first, so only a direct call sees this.
TEST(SchemeTextReader, PlainSearchTakesUpperCaseKeywordsOnly)
{
    expectValues(QStringLiteral("bgcolor#ffffff"), {nullptr, nullptr, nullptr, nullptr}, false);
    expectValues(QStringLiteral("bgcolor#ffffff TEXT#ffffff"), {nullptr, "ffffff", nullptr, nullptr}, false);
}

// Where each value lies: the attribute's whole value text when the reader
// parsed it, the six characters after "#" when it took them as they stand.
TEST(SchemeTextReader, TellsWhereEachValueLies)
{
    const struct {
        const char* text;
        SchemeSlot slot;
        qsizetype offset;
        qsizetype length;
    } cases[] = {
        {R"(<body bgcolor="white">)", SchemeSlot::BGCOLOR, 15, 5},
        {"<body text=navy link=#0000ff>", SchemeSlot::TEXT, 11, 4},
        {"<body text=navy link=#0000ff>", SchemeSlot::LINK, 22, 6},
        {R"(BGCOLOR="#1234567")", SchemeSlot::BGCOLOR, 10, 6},
        {R"(BGCOLOR='#fff')", SchemeSlot::BGCOLOR, 9, 4},
        {"a:link { color: rgb(0 0 255) }", SchemeSlot::LINK, 16, 12},
        {"body { background: url(x.png) #fff }", SchemeSlot::BGCOLOR, 30, 4},
        {"BGCOLOR#000000TEXT#FFFFFF", SchemeSlot::TEXT, 19, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FoundValues found = findSchemeValues(QString::fromLatin1(c.text));
        const auto& value = found[static_cast<std::size_t>(c.slot)];
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->offset, c.offset);
        EXPECT_EQ(value->length, c.length);
    }
}

TEST(SchemeTextReader, UpperCasesOnlyTheAsciiLetters)
{
    EXPECT_EQ(upperCaseAscii(QStringLiteral("bgcolor=\"#ff00ff\" \u00e9\u00df z")),
        QStringLiteral("BGCOLOR=\"#FF00FF\" \u00e9\u00df Z"));
}

} // namespace
