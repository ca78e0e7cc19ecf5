// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CssColor.h"

#include "support/ColorCases.h"

namespace {

// Named colours and hex from python3-webcolors, rgb() levels from it, and
// hsl() from Python's colorsys, made by tests/data/make_css_colors.py.
TEST(CssColor, ReadsEachValueAsThePythonLibrariesDo)
{
    const std::vector<ColorCase> cases = readColorCases(QStringLiteral("css_colors.txt"));
    ASSERT_GT(cases.size(), 400u);
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << ": \"" << escaped(c.value) << '"');
        EXPECT_EQ(colorHex(parseCssColor(c.value)), c.expected);
    }
}

TEST(CssColor, ReadsTheSyntaxBrowsersAccept)
{
    const struct {
        const char* value;
        const char* expected;
    } cases[] = {
        // Halves round up, as browsers show them.
        {"rgb(50%, 0%, 100%)", "8000FF"},
        {"rgb(10% 30% 70%)", "1A4DB3"},
        {"rgb(127.5, 0, 0)", "800000"},
        {"hsl(240, 100%, 25%)", "000080"},
        {"hsl(120 100 25)", "008000"},
        {"rebeccapurple", "663399"},
        {"REBECCAPURPLE", "663399"},
        {"#f00f", "FF0000"},
        {"#11223344", "112233"},
        {"rgb(1e2, 0, 0)", "640000"},
        {"rgb(+5 .5 -1)", "050100"},
        {"rgb(1E2 0 0)", "640000"},
        {"rgb(none 255 none)", "00FF00"},
        {"rgb(0 0 255 / none)", "0000FF"},
        {"rgb(100% 0 50%)", "FF0080"},
        {"rgba(0, 0, 0, 0)", "000000"},
        {"hsl(none 100% 50%)", "FF0000"},
        {"hsl(200grad 100% 50%)", "00FFFF"},
        {"hsl(3.14159265rad 100% 50%)", "00FFFF"},
        {"HSL(1TURN, 100%, 50%)", "FF0000"},
        {"hsl(-120, 100%, 50%)", "0000FF"},
        {"hsl(0 200% -5%)", "000000"},
        {"rgb(1e999, -1e999, 0)", "FF0000"},
        // CSS closes a function the text leaves open.
        {"rgb(255 0 0", "FF0000"},
        {" RGB( 0 , 0 , 255 ) ", "0000FF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(colorHex(parseCssColor(QString::fromLatin1(c.value))), QString::fromLatin1(c.expected));
    }
}

TEST(CssColor, RefusesWhatNamesNoColourByItself)
{
    const char* cases[] = {
        "",
        "#",
        "#12345",
        "#ggg",
        "transparent",
        "currentColor",
        "inherit",
        "var(--text)",
        "rgb(255, 0)",
        "rgb(255 0 0 0)",
        "rgb(100%, 0, 0)",
        "rgb(255, 0, 0 / 1)",
        "rgb(255 0, 0)",
        "rgb(none, 0, 0)",
        "rgb(10px 0 0)",
        "rgb(1., 0, 0)",
        "rgb(1e, 0, 0)",
        "rgb (0, 0, 0)",
        "rgb(0, 0, 0) red",
        "rgb(0, 0, 0))",
        "rgb(calc(255) 0 0)",
        "rgb(from red r g b)",
        "hsl(120, 100, 50)",
        "hsl(10%, 50%, 50%)",
        "hsl(10px 50% 50%)",
        "hwb(0 0% 0%)",
        "red blue",
    };
    for (const char* value : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(colorHex(parseCssColor(QString::fromLatin1(value))), std::nullopt);
    }
}

} // namespace
