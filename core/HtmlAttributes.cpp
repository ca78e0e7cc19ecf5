// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/HtmlAttributes.h"

#include "core/AsciiText.h"
#include "core/SchemeText.h"
#include "core/TextScan.h"

#include <algorithm>
#include <string_view>

namespace {

using namespace std::string_view_literals;

bool isNameCharacter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_'
        || c == u':';
}

bool equalsIgnoringAsciiCase(QStringView text, QStringView name)
{
    if (text.size() != name.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (asciiLower(text[i].unicode()) != asciiLower(name[i].unicode()))
            return false;
    }
    return true;
}

bool startsWithAt(QStringView text, qsizetype at, std::u16string_view lower)
{
    const auto size = static_cast<qsizetype>(lower.size());
    if (text.size() - at < size)
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        if (asciiLower(text[at + i].unicode()) != lower[static_cast<std::size_t>(i)])
            return false;
    }
    return true;
}

// Where the comment whose text starts at `from` (just after "<!--") ends:
// after "-->" or "--!>", or at once for "<!-->" and "<!--->"; a comment
// left open runs to the end of the text. Only each ">" is looked at
// closely, so a text of dashes costs no more than any other.
qsizetype commentEnd(QStringView text, qsizetype from)
{
    const qsizetype size = text.size();
    if (from < size && text[from] == u'>')
        return from + 1;
    if (from + 1 < size && text[from] == u'-' && text[from + 1] == u'>')
        return from + 2;
    for (qsizetype close = findAnyOf<u'>'>(text, from); close < size; close = findAnyOf<u'>'>(text, close + 1)) {
        if (close - 2 >= from && text[close - 2] == u'-' && text[close - 1] == u'-')
            return close + 1;
        if (close - 3 >= from && text[close - 3] == u'-' && text[close - 2] == u'-' && text[close - 1] == u'!')
            return close + 1;
    }
    return size;
}

class Keywords {
public:
    Keywords()
    {
        for (SchemeSlot slot : schemeSlots)
            m_names[static_cast<std::size_t>(slot)] = keyword(slot);
    }

    // Records the value of the first attribute of each keyword's name.
    void offer(QStringView name, TextSpan value)
    {
        for (std::size_t slot = 0; slot < m_names.size(); ++slot) {
            if (!m_values[slot] && equalsIgnoringAsciiCase(name, m_names[slot]))
                m_values[slot] = value;
        }
    }

    bool complete() const
    {
        return std::all_of(m_values.begin(), m_values.end(), [](const auto& value) { return value.has_value(); });
    }

    const AttributeValues& values() const { return m_values; }

private:
    std::array<QString, 4> m_names;
    AttributeValues m_values;
};

qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && isAsciiBlank(text[at].unicode()))
        ++at;
    return at;
}

// The value starting at `at` (after "=" and blanks) and where reading goes
// on after it.
std::pair<TextSpan, qsizetype> valueAt(QStringView text, qsizetype at)
{
    if (at < text.size() && (text[at] == u'"' || text[at] == u'\'')) {
        qsizetype close = text.indexOf(text[at], at + 1);
        if (close < 0)
            close = text.size();
        return {{at + 1, close - at - 1}, std::min(close + 1, text.size())};
    }
    const qsizetype end = findAnyOf<u' ', u'\t', u'\n', u'\r', u'\f', u'>'>(text, at);
    return {{at, end - at}, end};
}

} // namespace

std::optional<qsizetype> bodyTagAttributes(QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = findAnyOf<u'<'>(text, 0); i + 1 < size;) {
        const char16_t next = text[i + 1].unicode();
        if (next == u'!' && startsWithAt(text, i, u"<!--"sv)) {
            // The search goes on after the comment, so each character is
            // looked at once whatever the comments hold.
            i = findAnyOf<u'<'>(text, commentEnd(text, i + 4));
            continue;
        }
        if ((next == u'b' || next == u'B') && i + 5 < size && startsWithAt(text, i, u"<body"sv)) {
            const char16_t end = text[i + 5].unicode();
            if (isAsciiBlank(end) || end == u'/' || end == u'>')
                return i + 5;
        }
        i = next == u'<' ? i + 1 : findAnyOf<u'<'>(text, i + 2);
    }
    return std::nullopt;
}

bool hasAttributeSyntax(QStringView text)
{
    qsizetype from = 0;
    for (qsizetype equals = findAnyOf<u'='>(text, 0); equals < text.size();
         equals = findAnyOf<u'='>(text, equals + 1)) {
        // Back over blanks, but never past the "=" before, so no blank is
        // passed twice.
        qsizetype at = equals;
        while (at > from && isAsciiBlank(text[at - 1].unicode()))
            --at;
        if (at > from && isNameCharacter(text[at - 1].unicode()))
            return true;
        from = equals + 1;
    }
    return false;
}

AttributeValues tagAttributeValues(QStringView text, qsizetype from)
{
    Keywords keywords;
    const qsizetype size = text.size();
    qsizetype at = from;
    while (!keywords.complete()) {
        while (at < size && (isAsciiBlank(text[at].unicode()) || text[at] == u'/'))
            ++at;
        if (at >= size || text[at] == u'>')
            break;
        // A name runs to a blank, "/", ">" or "=", though its first
        // character may be anything, even "=".
        const qsizetype nameStart = at;
        at = findAnyOf<u' ', u'\t', u'\n', u'\r', u'\f', u'/', u'>', u'='>(text, at + 1);
        const QStringView name = text.sliced(nameStart, at - nameStart);
        at = skipBlanks(text, at);
        TextSpan value{at, 0};
        if (at < size && text[at] == u'=') {
            at = skipBlanks(text, at + 1);
            if (at < size && text[at] == u'>') {
                value = {at, 0};
            } else {
                const auto [span, next] = valueAt(text, at);
                value = span;
                at = next;
            }
        }
        keywords.offer(name, value);
    }
    return keywords.values();
}

AttributeValues textAttributeValues(QStringView text)
{
    Keywords keywords;
    const qsizetype size = text.size();
    // Only a name before "=" makes an attribute, so the search goes from
    // one "=" to the next, never back into the value before.
    qsizetype from = 0;
    while (!keywords.complete()) {
        const qsizetype equals = findAnyOf<u'='>(text, from);
        if (equals >= size)
            break;
        qsizetype nameEnd = equals;
        while (nameEnd > from && isAsciiBlank(text[nameEnd - 1].unicode()))
            --nameEnd;
        qsizetype nameStart = nameEnd;
        while (nameStart > from && isNameCharacter(text[nameStart - 1].unicode()))
            --nameStart;
        if (nameStart == nameEnd) {
            from = equals + 1;
            continue;
        }
        const auto [value, next] = valueAt(text, skipBlanks(text, equals + 1));
        keywords.offer(text.sliced(nameStart, nameEnd - nameStart), value);
        from = next;
    }
    return keywords.values();
}
