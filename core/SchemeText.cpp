// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/SchemeText.h"

namespace {

constexpr qsizetype valueLength = 6;

bool isNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_'
        || u == u':';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

qsizetype skipBlanks(const QString& text, qsizetype at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// Six characters from just after the "#" at `hash`; a text that ends
// sooner gives none, so the attribute is skipped rather than read from
// characters that are not there.
std::optional<qsizetype> valueAfterHash(const QString& text, qsizetype hash)
{
    if (hash < 0 || text.size() - (hash + 1) < valueLength)
        return std::nullopt;
    return hash + 1;
}

// An occurrence that is the attribute's own name: not the tail of a longer
// name (VLINK, ALINK, DATA-TEXT) and followed by "=" after optional blanks.
// Returns where the value after the "=" starts.
std::optional<qsizetype> wholeNameValueStart(const QString& text, const QString& name, qsizetype at)
{
    if (at > 0 && isNameCharacter(text[at - 1]))
        return std::nullopt;
    const qsizetype equals = skipBlanks(text, at + name.size());
    if (equals >= text.size() || text[equals] != u'=')
        return std::nullopt;
    return skipBlanks(text, equals + 1);
}

std::optional<qsizetype> firstWholeName(const QString& text, const QString& name)
{
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        if (auto value = wholeNameValueStart(text, name, at))
            return value;
    }
    return std::nullopt;
}

// The "#" of the attribute's own value: inside the quotes of a quoted
// value, or up to the next blank or ">" of an unquoted one.
qsizetype hashInOwnValue(const QString& text, qsizetype valueStart)
{
    qsizetype end = text.size();
    qsizetype from = valueStart;
    if (valueStart < text.size() && (text[valueStart] == u'"' || text[valueStart] == u'\'')) {
        from = valueStart + 1;
        const qsizetype close = text.indexOf(text[valueStart], from);
        if (close >= 0)
            end = close;
    } else {
        for (qsizetype i = valueStart; i < text.size(); ++i) {
            if (isBlank(text[i]) || text[i] == u'>') {
                end = i;
                break;
            }
        }
    }
    const qsizetype hash = text.indexOf(u'#', from);
    return hash >= 0 && hash < end ? hash : -1;
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

SchemeValueOffsets findSchemeValues(const QString& text)
{
    SchemeValueOffsets found;
    // Each keyword's whole name is looked for once: a clipboard can be large.
    std::array<std::optional<qsizetype>, 4> wholeNames;
    bool attributeForm = false;
    for (SchemeSlot slot : schemeSlots) {
        wholeNames[static_cast<int>(slot)] = firstWholeName(text, keyword(slot));
        attributeForm = attributeForm || wholeNames[static_cast<int>(slot)].has_value();
    }

    for (SchemeSlot slot : schemeSlots) {
        const QString name = keyword(slot);
        std::optional<qsizetype> value;
        if (attributeForm) {
            // A BODY tag: each attribute from its own name and its own value.
            if (auto start = wholeNames[static_cast<int>(slot)])
                value = valueAfterHash(text, hashInOwnValue(text, *start));
        } else {
            // The start-up form BGCOLOR#...TEXT#...: the first occurrence
            // anywhere and the next "#" anywhere after it.
            const qsizetype at = text.indexOf(name);
            if (at >= 0)
                value = valueAfterHash(text, text.indexOf(u'#', at));
        }
        found[static_cast<int>(slot)] = value;
    }
    return found;
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
