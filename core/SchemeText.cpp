// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SchemeText.h"

#include "core/Color.h"
#include "core/CssRules.h"
#include "core/HtmlAttributes.h"
#include "core/LegacyColor.h"
#include "core/TextScan.h"

#include <algorithm>

namespace {

constexpr qsizetype valueLength = 6;

QString colorText(TColor color)
{
    return QString::asprintf("%02X%02X%02X", redOf(color), greenOf(color), blueOf(color));
}

// Six characters from just after the "#" at `hash`; a text that ends
// sooner gives none, so the attribute is skipped rather than read from
// characters that are not there.
std::optional<FoundValue> valueAfterHash(const QString& text, qsizetype hash)
{
    if (hash < 0 || text.size() - (hash + 1) < valueLength)
        return std::nullopt;
    return FoundValue{hash + 1, valueLength, text.mid(hash + 1, valueLength)};
}

// A value of "#" and at least six characters keeps the program's own rule,
// the first six as they stand; any other one reads as browsers read it.
std::optional<FoundValue> attributeValue(const QString& text, const std::optional<TextSpan>& span)
{
    if (!span)
        return std::nullopt;
    const QStringView value = QStringView(text).sliced(span->offset, span->length);
    if (value.size() > valueLength && value[0] == u'#')
        return FoundValue{span->offset + 1, valueLength, value.sliced(1, valueLength).toString()};
    if (const auto color = parseLegacyColor(value))
        return FoundValue{span->offset, span->length, colorText(*color)};
    return std::nullopt;
}

FoundValues attributeValues(const QString& text, const AttributeValues& spans)
{
    FoundValues found;
    for (std::size_t slot = 0; slot < found.size(); ++slot)
        found[slot] = attributeValue(text, spans[slot]);
    return found;
}

FoundValues cssValues(const CssSchemeColors& colors)
{
    FoundValues found;
    for (std::size_t slot = 0; slot < found.size(); ++slot) {
        if (const auto& color = colors[slot])
            found[slot] = FoundValue{color->span.offset, color->span.length, colorText(color->color)};
    }
    return found;
}

// The start-up form BGCOLOR#...TEXT#...: each keyword's first occurrence
// anywhere and the next "#" anywhere after it. One pass finds all four
// keywords, by the two letters each starts with.
FoundValues plainSearchValues(const QString& text)
{
    constexpr std::array first = {u'B', u'T', u'L', u'V'};
    constexpr std::array second = {u'G', u'E', u'I', u'L'};
    static_assert(slotIndex(SchemeSlot::BGCOLOR) == 0 && slotIndex(SchemeSlot::VLINK) == 3);
    SchemeValues names;
    for (SchemeSlot slot : schemeSlots)
        names[slotIndex(slot)] = keyword(slot);
    std::array<std::optional<qsizetype>, 4> keywordAt;
    int missing = 4;
    for (qsizetype at = findAnyPair(text, 0, first, second); at < text.size() && missing > 0;
         at = findAnyPair(text, at + 1, first, second)) {
        const auto slot = static_cast<std::size_t>(std::find(first.begin(), first.end(), text[at]) - first.begin());
        const QString& name = names[slot];
        if (keywordAt[slot] || text.size() - at < name.size())
            continue;
        if (std::equal(name.begin(), name.end(), text.begin() + at)) {
            keywordAt[slot] = at;
            --missing;
        }
    }
    FoundValues found;
    for (std::size_t slot = 0; slot < found.size(); ++slot) {
        if (keywordAt[slot])
            found[slot] = valueAfterHash(text, findAnyOf<u'#'>(text, *keywordAt[slot]));
    }
    return found;
}

} // namespace

QString attributeText(SchemeSlot slot, const QString& value)
{
    return keyword(slot) + QStringLiteral("=\"#") + value + u'"';
}

QString schemeText(const SchemeValues& values)
{
    QString text;
    for (SchemeSlot slot : schemeSlots) {
        if (!text.isEmpty())
            text += u' ';
        text += attributeText(slot, values[slotIndex(slot)]);
    }
    return text;
}

QString cssText(const SchemeValues& values)
{
    return QStringLiteral("body { background-color: #%1; color: #%2; }\na:link { color: #%3; }\n"
                          "a:visited { color: #%4; }\n")
        .arg(values[0], values[1], values[2], values[3]);
}

FoundValues findSchemeValues(const QString& text)
{
    // The form is decided once for the whole text, so a page's BODY tag is
    // never mixed with attributes, rules or keywords found elsewhere in it.
    if (const auto tag = bodyTagAttributes(text))
        return attributeValues(text, tagAttributeValues(text, *tag));
    if (hasAttributeSyntax(text))
        return attributeValues(text, textAttributeValues(text));
    if (const auto colors = readCssSchemeColors(text))
        return cssValues(*colors);
    return plainSearchValues(text);
}

QString upperCaseAscii(const QString& text)
{
    QString upper = text;
    // A plain loop over the code units, which the compiler vectorises.
    char16_t* data = reinterpret_cast<char16_t*>(upper.data());
    const qsizetype size = upper.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i];
        data[i] = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
    }
    return upper;
}
