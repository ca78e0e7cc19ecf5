// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CssColorValue.h"

#include "core/AsciiText.h"
#include "core/CssColor.h"
#include "core/TextScan.h"

#include <QList>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// Keywords that are valid colours or valid for any property, whose colour
// depends on the element or the system.
constexpr std::array unresolvedKeywords = {u"transparent"sv, u"currentcolor"sv, u"inherit"sv, u"initial"sv, u"unset"sv,
    u"revert"sv, u"revert-layer"sv, u"accentcolor"sv, u"accentcolortext"sv, u"activetext"sv, u"buttonborder"sv,
    u"buttonface"sv, u"buttontext"sv, u"canvas"sv, u"canvastext"sv, u"field"sv, u"fieldtext"sv, u"graytext"sv,
    u"highlight"sv, u"highlighttext"sv, u"linktext"sv, u"mark"sv, u"marktext"sv, u"selecteditem"sv,
    u"selecteditemtext"sv, u"visitedtext"sv, u"activeborder"sv, u"activecaption"sv, u"appworkspace"sv, u"background"sv,
    u"buttonhighlight"sv, u"buttonshadow"sv, u"captiontext"sv, u"inactiveborder"sv, u"inactivecaption"sv,
    u"inactivecaptiontext"sv, u"infobackground"sv, u"infotext"sv, u"menu"sv, u"menutext"sv, u"scrollbar"sv,
    u"threeddarkshadow"sv, u"threedface"sv, u"threedhighlight"sv, u"threedlightshadow"sv, u"threedshadow"sv,
    u"window"sv, u"windowframe"sv, u"windowtext"sv};

constexpr std::array wideKeywords = {u"inherit"sv, u"initial"sv, u"unset"sv, u"revert"sv, u"revert-layer"sv};

// Colour functions the reader does not compute; rgb() and hsl() count
// when they hold what parseCssColor does not read, such as calc().
constexpr std::array colorFunctions = {u"rgb"sv, u"rgba"sv, u"hsl"sv, u"hsla"sv, u"hwb"sv, u"lab"sv, u"lch"sv,
    u"oklab"sv, u"oklch"sv, u"color"sv, u"color-mix"sv, u"light-dark"sv, u"device-cmyk"sv, u"contrast-color"sv};

constexpr std::array readFunctions = {u"rgb"sv, u"rgba"sv, u"hsl"sv, u"hsla"sv};

// Substituted only when the page is shown, so any value holding them is valid.
constexpr std::array substitutions = {u"var"sv, u"env"sv, u"attr"sv};

bool isIdentifierCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_'
        || c >= 0x80;
}

template <std::size_t N> bool isOneOf(QStringView text, const std::array<std::u16string_view, N>& keywords)
{
    return std::any_of(
        keywords.begin(), keywords.end(), [&](std::u16string_view k) { return isAsciiKeyword(text, k); });
}

// The name of the function called at `open`, a "(".
QStringView functionNameBefore(QStringView text, qsizetype open)
{
    qsizetype start = open;
    while (start > 0 && isIdentifierCharacter(text[start - 1].unicode()))
        --start;
    return text.sliced(start, open - start);
}

bool holdsSubstitution(QStringView value)
{
    // Each name ends in "r" or "v", so only those before a "(" are looked at.
    constexpr std::array lastLetters = {u'r', u'R', u'v', u'V'};
    constexpr std::array opens = {u'(', u'(', u'(', u'('};
    for (qsizetype at = findAnyPair(value, 0, lastLetters, opens); at < value.size();
         at = findAnyPair(value, at + 1, lastLetters, opens)) {
        if (isOneOf(functionNameBefore(value, at + 1), substitutions))
            return true;
    }
    return false;
}

// The name of a value that is one function call and nothing more.
std::optional<QStringView> singleFunctionName(QStringView value)
{
    const qsizetype open = value.indexOf(u'(');
    if (open <= 0 || functionNameBefore(value, open).size() != open)
        return std::nullopt;
    int depth = 0;
    for (qsizetype i = open; i < value.size(); ++i) {
        if (value[i] == u'(')
            ++depth;
        else if (value[i] == u')' && --depth == 0)
            return i == value.size() - 1 ? std::optional(value.first(open)) : std::nullopt;
    }
    return value.first(open); // left open at the end, which CSS closes
}

// rgb() and hsl() that parseCssColor refused are no CSS, unless they hold
// a function such as calc() or start "from" another colour.
bool isComputedLater(QStringView arguments)
{
    const QStringView first = trimmedAsciiBlanks(arguments);
    return arguments.contains(u'(')
        || (first.size() > 4 && isAsciiKeyword(first.first(4), u"from"sv) && isAsciiBlank(first[4].unicode()));
}

bool isUnresolvedColor(QStringView value)
{
    if (isOneOf(value, unresolvedKeywords))
        return true;
    const auto function = singleFunctionName(value);
    if (!function || !isOneOf(*function, colorFunctions))
        return false;
    if (isOneOf(*function, readFunctions))
        return isComputedLater(value.sliced(function->size() + 1));
    return true;
}

CssColorValue colorAt(QStringView value, qsizetype offset)
{
    if (const auto color = parseCssColor(value))
        return {CssColorValue::Kind::Color, *color, {offset, value.size()}};
    if (isUnresolvedColor(value))
        return {CssColorValue::Kind::Unresolved, 0, {offset, value.size()}};
    return {};
}

// The shorthand's layers, split at commas, each split into its parts at
// blanks, outside parentheses and strings.
QList<QList<TextSpan>> shorthandLayers(QStringView value)
{
    QList<QList<TextSpan>> layers(1);
    int depth = 0;
    qsizetype start = -1;
    const auto endPart = [&](qsizetype end) {
        if (start >= 0)
            layers.last().append({start, end - start});
        start = -1;
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (depth == 0 && (isAsciiBlank(c) || c == u',')) {
            endPart(i);
            if (c == u',')
                layers.emplaceBack();
            continue;
        }
        if (start < 0)
            start = i;
        if (c == u'(') {
            ++depth;
        } else if (c == u')' && depth > 0) {
            --depth;
        } else if (c == u'"' || c == u'\'') {
            const qsizetype close = value.indexOf(QChar(c), i + 1);
            i = close < 0 ? value.size() - 1 : close;
        }
    }
    endPart(value.size());
    return layers;
}

} // namespace

CssColorValue colorPropertyValue(QStringView value)
{
    if (holdsSubstitution(value))
        return {CssColorValue::Kind::Unresolved, 0, {0, value.size()}};
    return colorAt(value, 0);
}

CssColorValue backgroundColorValue(QStringView value)
{
    if (isOneOf(value, wideKeywords) || holdsSubstitution(value))
        return {CssColorValue::Kind::Unresolved, 0, {0, value.size()}};
    const QList<QList<TextSpan>> layers = shorthandLayers(value);
    CssColorValue found{CssColorValue::Kind::Unresolved, 0, {0, value.size()}};
    int colors = 0;
    for (qsizetype layer = 0; layer < layers.size(); ++layer) {
        for (const TextSpan& part : layers[layer]) {
            const CssColorValue color = colorAt(value.sliced(part.offset, part.length), part.offset);
            if (color.kind == CssColorValue::Kind::Invalid)
                continue;
            // A colour is allowed once, in the last layer only.
            if (layer != layers.size() - 1 || ++colors > 1)
                return {};
            found = color;
        }
    }
    return found;
}
