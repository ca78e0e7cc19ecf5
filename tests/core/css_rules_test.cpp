// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CssRules.h"

#include "core/CssColor.h"
#include "support/ColorCases.h"

#include <QRegularExpression>

namespace {

using Colors = std::array<const char*, 4>; // RRGGBB, or nullptr where none

TEST(CssRules, SettleTheColoursAsTheCascadeDoes)
{
    const struct {
        const char* sheet;
        Colors expected;
    } cases[] = {
        {"body { background-color: #000000; color: #FFFFFF; }\na:link { color: #008080; }\n"
         "a:visited { color: #00FFFF; }\n",
            {"000000", "FFFFFF", "008080", "00FFFF"}},
        {"body, html { background: url(bg.png) #FFF no-repeat; color: rgb(0, 0, 128) } a { color: red }",
            {"FFFFFF", "000080", "FF0000", nullptr}},
        {"a { color: blue } a:link { color: green }", {nullptr, nullptr, "008000", nullptr}},
        {"a:link { color: green } a { color: blue }", {nullptr, nullptr, "008000", nullptr}},
        {"a:link { color: green } a { color: blue !important }", {nullptr, nullptr, "0000FF", nullptr}},
        {"body { color: red; color: blue }", {nullptr, "0000FF", nullptr, nullptr}},
        {"body { color: red !important; color: blue }", {nullptr, "FF0000", nullptr, nullptr}},
        {"body { color: red !important } body { color: blue ! IMPORTANT }", {nullptr, "0000FF", nullptr, nullptr}},
        {"body { color: red } body { color: blue }", {nullptr, "0000FF", nullptr, nullptr}},
        // A valid value the sheet does not resolve still wins; one that is no
        // CSS is dropped, as browsers drop it.
        {"body { color: red; color: transparent }", {nullptr, nullptr, nullptr, nullptr}},
        {"body { color: red; color: var(--text) }", {nullptr, nullptr, nullptr, nullptr}},
        {"body { color: red; color: currentColor }", {nullptr, nullptr, nullptr, nullptr}},
        {"body { color: red; color: inherit }", {nullptr, nullptr, nullptr, nullptr}},
        {"body { color: red; color: notacolor }", {nullptr, "FF0000", nullptr, nullptr}},
        {"body { color: red; color: rgb(1, 2) }", {nullptr, "FF0000", nullptr, nullptr}},
        {"body { color: red; color: }", {nullptr, "FF0000", nullptr, nullptr}},
        // The shorthand sets the background colour too, transparent when it
        // names none.
        {"body { background-color: white; background: url(x.png) repeat-x }", {nullptr, nullptr, nullptr, nullptr}},
        {"body { background: white; background-color: #123 }", {"112233", nullptr, nullptr, nullptr}},
        {"body { background: url(a.png), url(b.png) navy }", {"000080", nullptr, nullptr, nullptr}},
        {"body { background-color: lime; background: red blue }", {"00FF00", nullptr, nullptr, nullptr}},
        {"body { background-color: lime; background: red, url(b.png) }", {"00FF00", nullptr, nullptr, nullptr}},
        {"body { background: url(\"a b.png\") hsl(120 100% 25%) }", {"008000", nullptr, nullptr, nullptr}},
        // Comments, blanks and case.
        {"/* body { color: red } */ body { color: #0f0 }", {nullptr, "00FF00", nullptr, nullptr}},
        {"body/* x */{ color /* y */ : /* z */ rgb(0,/**/0,255) /* w */ }", {nullptr, "0000FF", nullptr, nullptr}},
        {"BODY { COLOR: RED } A:VISITED { COLOR: #ABC }", {nullptr, "FF0000", nullptr, "AABBCC"}},
        {"body{color:red;background-color:blue}", {"0000FF", "FF0000", nullptr, nullptr}},
        {"<!-- body { color: red } -->", {nullptr, "FF0000", nullptr, nullptr}},
        // Only the selectors that hold for every page.
        {"body.dark { color: white } html body { color: red } :link { color: blue }",
            {nullptr, nullptr, nullptr, nullptr}},
        {"a:link, a:visited { color: #663399 }", {nullptr, nullptr, "663399", "663399"}},
        {"@media print { body { color: black } } body { color: white }", {nullptr, "FFFFFF", nullptr, nullptr}},
        {"@import url(x.css); body { color: white }", {nullptr, "FFFFFF", nullptr, nullptr}},
        {"body { a { color: red } color: blue }", {nullptr, "0000FF", nullptr, nullptr}},
        {"body { background: url(data:x;y) red; color: navy }", {"FF0000", "000080", nullptr, nullptr}},
        {"body { content: \"}\"; color: navy }", {nullptr, "000080", nullptr, nullptr}},
        {"a; body { color: red }", {nullptr, nullptr, nullptr, nullptr}},
        // A sheet cut short still counts, as far as it goes.
        {"body { color: red", {nullptr, "FF0000", nullptr, nullptr}},
        {"a{", {nullptr, nullptr, nullptr, nullptr}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sheet);
        const QString sheet = QString::fromLatin1(c.sheet);
        const auto colors = readCssSchemeColors(sheet);
        ASSERT_TRUE(colors.has_value());
        for (std::size_t slot = 0; slot < 4; ++slot) {
            const auto& color = (*colors)[slot];
            if (!c.expected[slot]) {
                EXPECT_FALSE(color.has_value()) << "attribute " << slot;
                continue;
            }
            ASSERT_TRUE(color.has_value()) << "attribute " << slot;
            EXPECT_EQ(colorHex(color->color), QString::fromLatin1(c.expected[slot])) << "attribute " << slot;
            // The span is the colour's own text in the sheet, comments and all.
            const QString text = sheet.mid(color->span.offset, color->span.length)
                                     .replace(QRegularExpression(QStringLiteral(R"(/\*.*?\*/)")), QStringLiteral(" "));
            EXPECT_EQ(colorHex(parseCssColor(text)), colorHex(color->color)) << text.toStdString();
        }
    }
}

TEST(CssRules, FindNoneInTextWithoutRules)
{
    for (const char* text : {"", "BGCOLOR#000000TEXT#FFFFFF", "color: red;", "{ color: red }", "  /* a { */ "}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(readCssSchemeColors(QString::fromLatin1(text)).has_value());
    }
}

} // namespace
