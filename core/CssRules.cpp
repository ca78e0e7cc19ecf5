// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CssRules.h"

#include "core/AsciiText.h"
#include "core/CssColorValue.h"
#include "core/SchemeText.h"
#include "core/TextScan.h"

#include <QString>

#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

// Everything else in a sheet is passed over: only these open or close a
// block, a string, a comment or a declaration.
qsizetype nextSyntax(QStringView text, qsizetype from)
{
    return findAnyOf<u'/', u'"', u'\'', u'\\', u'(', u')', u'[', u']', u'{', u'}', u';', u':'>(text, from);
}

enum class Syntax : unsigned char { Plain, Slash, Quote, Escape, Token };

constexpr std::array<Syntax, 128> syntaxTable = [] {
    std::array<Syntax, 128> table{};
    table[u'/'] = Syntax::Slash;
    table[u'"'] = table[u'\''] = Syntax::Quote;
    table[u'\\'] = Syntax::Escape;
    for (char16_t c : {u'(', u')', u'[', u']', u'{', u'}', u';', u':'})
        table[c] = Syntax::Token;
    return table;
}();

Syntax syntaxOf(char16_t c)
{
    return c < 128 ? syntaxTable[c] : Syntax::Plain;
}

bool startsComment(QStringView text, qsizetype at)
{
    return text[at] == u'/' && at + 1 < text.size() && text[at + 1] == u'*';
}

qsizetype commentEnd(QStringView text, qsizetype at)
{
    const qsizetype close = text.indexOf(u"*/", at + 2);
    return close < 0 ? text.size() : close + 2;
}

// A string ends at its own quote, before a line break, or at the end.
qsizetype stringEnd(QStringView text, qsizetype at)
{
    const char16_t quote = text[at].unicode();
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == quote)
            return i + 1;
        if (c == u'\n' || c == u'\r' || c == u'\f')
            return i;
        if (c == u'\\')
            ++i;
    }
    return text.size();
}

// Where reading goes on after a comment, string or escape that starts at
// `at`; `at` itself when none does.
qsizetype afterOpaque(QStringView text, qsizetype at, bool& comment)
{
    const char16_t c = text[at].unicode();
    if (c == u'/') {
        if (!startsComment(text, at))
            return at;
        comment = true;
        return commentEnd(text, at);
    }
    if (c == u'"' || c == u'\'')
        return stringEnd(text, at);
    if (c == u'\\')
        return std::min(at + 2, text.size());
    return at;
}

char16_t closerOf(char16_t c)
{
    switch (c) {
    case u'(': return u')';
    case u'[': return u']';
    case u'{': return u'}';
    default: return 0;
    }
}

// The text with every comment turned into as many blanks, so that positions
// in it are still positions in the sheet; written into `copy`, whose storage
// is reused from one declaration to the next.
QStringView withoutComments(QStringView text, QString& copy)
{
    copy.resize(text.size());
    std::copy(text.begin(), text.end(), copy.begin());
    bool comment = false;
    for (qsizetype i = 0; i < copy.size();) {
        if (startsComment(copy, i)) {
            const qsizetype end = commentEnd(copy, i);
            std::fill(copy.begin() + i, copy.begin() + end, u' ');
            i = end;
            continue;
        }
        const qsizetype next = afterOpaque(copy, i, comment);
        i = next > i ? next : i + 1;
    }
    return copy;
}

// How much of the text is what may stand before a rule: blanks, comments,
// and the "<!--" and "-->" a style element may hold.
qsizetype leadingFillerLength(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size()) {
        const char16_t c = text[at].unicode();
        if (isAsciiBlank(c))
            ++at;
        else if (c == u'/' && startsComment(text, at))
            at = commentEnd(text, at);
        else if (c == u'<' && text.sliced(at).startsWith(u"<!--"))
            at += 4;
        else if (c == u'-' && text.sliced(at).startsWith(u"-->"))
            at += 3;
        else
            break;
    }
    return at;
}

// The brackets open around the reading position, innermost last; runs of
// the same bracket are kept as a count, so "((((" of any length is one entry.
class Brackets {
public:
    void reset(char16_t closer)
    {
        m_runs.assign(1, {closer, 1});
        m_depth = 1;
        m_innermost = closer;
    }
    void push(char16_t closer, qsizetype count = 1)
    {
        if (closer != m_innermost) {
            m_runs.push_back({closer, 0});
            m_innermost = closer;
        }
        m_runs.back().count += count;
        m_depth += count;
    }
    void pop()
    {
        if (--m_runs.back().count == 0) {
            m_runs.pop_back();
            m_innermost = m_runs.empty() ? 0 : m_runs.back().closer;
        }
        --m_depth;
    }
    char16_t innermost() const { return m_innermost; }
    qsizetype depth() const { return m_depth; }

private:
    struct Run {
        char16_t closer;
        qsizetype count;
    };
    std::vector<Run> m_runs;
    qsizetype m_depth = 0;
    char16_t m_innermost = 0;
};

struct RuleTargets {
    bool body = false;
    bool link = false;
    bool anyLink = false;
    bool visited = false;

    bool any() const { return body || link || anyLink || visited; }
};

// Only these four selectors, alone or in a list, say where the attributes'
// colours come from; "body.dark" or "html body" apply to some pages only.
RuleTargets targetsOf(QStringView prelude)
{
    RuleTargets targets;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= prelude.size(); ++i) {
        if (i < prelude.size() && prelude[i] != u',')
            continue;
        const QStringView selector = trimmedAsciiBlanks(prelude.sliced(start, i - start));
        targets.body = targets.body || isAsciiKeyword(selector, u"body"sv);
        targets.link = targets.link || isAsciiKeyword(selector, u"a:link"sv);
        targets.anyLink = targets.anyLink || isAsciiKeyword(selector, u"a"sv);
        targets.visited = targets.visited || isAsciiKeyword(selector, u"a:visited"sv);
        start = i + 1;
    }
    return targets;
}

// A declaration that may set one attribute. Its value is read only once the
// whole sheet is, and only where it can win, so a sheet of a million rules
// costs a million short looks, not a million colour readings.
struct Declaration {
    TextSpan value;
    bool comment = false;
    bool shorthand = false;
    int precedence = 0; // "!important" first, then a:link over a
};

class Cascade {
public:
    explicit Cascade(QStringView sheet)
        : m_sheet(sheet)
    {}

    void add(SchemeSlot slot, const Declaration& declaration)
    {
        m_declarations[static_cast<std::size_t>(slot)].push_back(declaration);
    }

    // The last declaration of the highest precedence that is CSS at all.
    CssSchemeColors colors()
    {
        CssSchemeColors colors;
        for (std::size_t slot = 0; slot < m_declarations.size(); ++slot) {
            if (const auto winner = this->winner(m_declarations[slot])) {
                if (winner->kind == CssColorValue::Kind::Color)
                    colors[slot] = CssSchemeColor{winner->span, winner->color};
            }
        }
        return colors;
    }

private:
    static constexpr int highestPrecedence = 3;

    std::optional<CssColorValue> winner(const std::vector<Declaration>& declarations)
    {
        for (int precedence = highestPrecedence; precedence >= 0; --precedence) {
            for (auto it = declarations.rbegin(); it != declarations.rend(); ++it) {
                if (it->precedence != precedence)
                    continue;
                QStringView value = m_sheet.sliced(it->value.offset, it->value.length);
                if (it->comment)
                    value = withoutComments(value, m_copy);
                CssColorValue read = it->shorthand ? backgroundColorValue(value) : colorPropertyValue(value);
                if (read.kind == CssColorValue::Kind::Invalid)
                    continue;
                read.span.offset += it->value.offset;
                return read;
            }
        }
        return std::nullopt;
    }

    QStringView m_sheet;
    QString m_copy;
    std::array<std::vector<Declaration>, 4> m_declarations;
};

class SheetReader {
public:
    explicit SheetReader(QStringView text)
        : m_text(text)
        , m_cascade(text)
    {}

    std::optional<CssSchemeColors> read();

private:
    Q_ALWAYS_INLINE char16_t nextToken(qsizetype& at, bool& comment) const;
    qsizetype skipBlock(qsizetype at);
    qsizetype readDeclarations(qsizetype at, const RuleTargets& targets);
    void readDeclaration(TextSpan declaration, qsizetype colon, bool comment, const RuleTargets& targets);
    qsizetype preludeFirst(qsizetype preludeStart, qsizetype end);
    Q_ALWAYS_INLINE qsizetype pushRun(Brackets& brackets, qsizetype at) const;

    QStringView m_text;
    Cascade m_cascade;
    Brackets m_prelude;
    Brackets m_block;
    QString m_copy;
    // How far the current prelude was looked through for its first
    // character, and where that is once found.
    qsizetype m_preludeStart = -1;
    qsizetype m_preludeScanned = 0;
    qsizetype m_preludeFirst = -1;
};

// Moves `at` past comments, strings and escapes to the next bracket, ";" or
// ":" and returns it, or 0 at the end of the sheet.
Q_ALWAYS_INLINE char16_t SheetReader::nextToken(qsizetype& at, bool& comment) const
{
    const char16_t* data = m_text.utf16();
    const qsizetype size = m_text.size();
    while (at < size) {
        const char16_t c = data[at];
        switch (syntaxOf(c)) {
        case Syntax::Plain: at = nextSyntax(m_text, at + 1); break;
        case Syntax::Slash:
            if (startsComment(m_text, at)) {
                comment = true;
                at = commentEnd(m_text, at);
            } else {
                ++at;
            }
            break;
        case Syntax::Quote: at = stringEnd(m_text, at); break;
        case Syntax::Escape: at = std::min(at + 2, size); break;
        case Syntax::Token: return c;
        }
    }
    return 0;
}

std::optional<CssSchemeColors> SheetReader::read()
{
    qsizetype preludeStart = 0;
    bool preludeComment = false;
    bool sawRule = false;
    // Brackets open in a prelude, so a "{" inside them starts no rule; the
    // bottom entry stands for none.
    m_prelude.reset(0);
    for (qsizetype i = 0;;) {
        const char16_t c = nextToken(i, preludeComment);
        if (!c)
            break;
        if (m_prelude.depth() > 1) {
            if (c == m_prelude.innermost())
                m_prelude.pop();
            else if (closerOf(c))
                i = pushRun(m_prelude, i);
            ++i;
            continue;
        }
        if (c == u'{') {
            const qsizetype first = preludeFirst(preludeStart, i);
            QStringView prelude = trimmedAsciiBlanks(m_text.sliced(first, i - first));
            RuleTargets targets;
            if (!prelude.isEmpty()) {
                sawRule = true;
                if (preludeComment)
                    prelude = trimmedAsciiBlanks(withoutComments(prelude, m_copy));
                if (prelude[0] != u'@')
                    targets = targetsOf(prelude);
            }
            i = targets.any() ? readDeclarations(i + 1, targets) : skipBlock(i + 1);
            preludeStart = i;
            preludeComment = false;
            continue;
        }
        if (c == u'}' || (c == u';' && m_text[preludeFirst(preludeStart, i)] == u'@')) {
            // A stray "}", or the end of a statement such as "@import ...;".
            preludeStart = i + 1;
            preludeComment = false;
        } else if (c == u'(' || c == u'[') {
            i = pushRun(m_prelude, i);
        }
        ++i;
    }
    if (!sawRule)
        return std::nullopt;
    return m_cascade.colors();
}

// Where the prelude from `preludeStart` begins, or `end` when nothing but
// filler comes before it. Each character is looked at once however many
// ";" ask, so a text of blanks and semicolons is not read again at each one.
qsizetype SheetReader::preludeFirst(qsizetype preludeStart, qsizetype end)
{
    if (m_preludeStart != preludeStart) {
        m_preludeStart = preludeStart;
        m_preludeScanned = preludeStart;
        m_preludeFirst = -1;
    }
    if (m_preludeFirst < 0) {
        const qsizetype first =
            m_preludeScanned + leadingFillerLength(m_text.sliced(m_preludeScanned, end - m_preludeScanned));
        if (first < end)
            m_preludeFirst = first;
        else
            m_preludeScanned = end;
    }
    return m_preludeFirst < 0 ? end : m_preludeFirst;
}

// Opens the bracket at `at` and those like it right after, and returns
// where the last of them is: "((((" of any length is quickly read.
Q_ALWAYS_INLINE qsizetype SheetReader::pushRun(Brackets& brackets, qsizetype at) const
{
    const char16_t opener = m_text[at].unicode();
    qsizetype end = at + 1;
    while (end < m_text.size() && m_text[end] == opener)
        ++end;
    brackets.push(closerOf(opener), end - at);
    return end - 1;
}

// After the "}" that closes the block whose contents start at `at`.
qsizetype SheetReader::skipBlock(qsizetype at)
{
    m_block.reset(u'}');
    bool comment = false;
    for (qsizetype i = at;; ++i) {
        const char16_t c = nextToken(i, comment);
        if (!c)
            return m_text.size();
        if (c == m_block.innermost()) {
            m_block.pop();
            if (m_block.depth() == 0)
                return i + 1;
        } else if (closerOf(c)) {
            i = pushRun(m_block, i);
        }
    }
}

// Reads the declarations of the block whose contents start at `at` and
// returns where its closing "}" ends; a block left open ends the sheet.
qsizetype SheetReader::readDeclarations(qsizetype at, const RuleTargets& targets)
{
    m_block.reset(u'}');
    qsizetype start = at;
    qsizetype colon = -1;
    bool comment = false;
    bool nestedRule = false;
    const auto nextDeclaration = [&](qsizetype from) {
        start = from;
        colon = -1;
        comment = false;
        nestedRule = false;
    };
    for (qsizetype i = at;; ++i) {
        const char16_t c = nextToken(i, comment);
        if (!c) {
            if (!nestedRule)
                readDeclaration({start, m_text.size() - start}, colon, comment, targets);
            return m_text.size();
        }
        if (c == m_block.innermost()) {
            m_block.pop();
            if (m_block.depth() == 0) {
                if (!nestedRule)
                    readDeclaration({start, i - start}, colon, comment, targets);
                return i + 1;
            }
            if (m_block.depth() == 1 && nestedRule)
                nextDeclaration(i + 1);
            continue;
        }
        if (m_block.depth() == 1) {
            if (c == u';') {
                if (!nestedRule)
                    readDeclaration({start, i - start}, colon, comment, targets);
                nextDeclaration(i + 1);
                continue;
            }
            if (c == u':' && colon < 0)
                colon = i;
            // A block among the declarations is a nested rule, which is
            // for other elements than these.
            if (c == u'{')
                nestedRule = true;
        }
        if (closerOf(c))
            i = pushRun(m_block, i);
    }
}

void SheetReader::readDeclaration(TextSpan declaration, qsizetype colon, bool comment, const RuleTargets& targets)
{
    if (colon < 0)
        return;
    QStringView text = m_text.sliced(declaration.offset, declaration.length);
    const QStringView name = trimmedAsciiBlanks(text.first(colon - declaration.offset));
    // A comment in the name is rare enough to cost a copy.
    const QStringView plainName = comment ? trimmedAsciiBlanks(withoutComments(name, m_copy)) : name;
    const bool color = isAsciiKeyword(plainName, u"color"sv);
    const bool background = isAsciiKeyword(plainName, u"background"sv);
    const bool backgroundColor = isAsciiKeyword(plainName, u"background-color"sv);
    if (!color && !background && !backgroundColor)
        return;

    const qsizetype valueStart = colon + 1 - declaration.offset;
    if (comment)
        text = withoutComments(text, m_copy);
    QStringView value = trimmedAsciiBlanks(text.sliced(valueStart));
    bool important = false;
    constexpr qsizetype importantLength = 9;
    if (value.size() >= importantLength && isAsciiKeyword(value.last(importantLength), u"important"sv)) {
        const QStringView before = trimmedAsciiBlanks(value.chopped(importantLength));
        if (before.endsWith(u'!')) {
            important = true;
            value = trimmedAsciiBlanks(before.chopped(1));
        }
    }
    Declaration found;
    found.value = {declaration.offset + (value.data() - text.data()), value.size()};
    found.comment = comment;
    found.shorthand = background;
    const int importance = important ? 2 : 0;
    const auto add = [&](SchemeSlot slot, int specificity) {
        found.precedence = importance + specificity;
        m_cascade.add(slot, found);
    };

    if (targets.body && (background || backgroundColor))
        add(SchemeSlot::BGCOLOR, 0);
    if (color) {
        if (targets.body)
            add(SchemeSlot::TEXT, 0);
        if (targets.link)
            add(SchemeSlot::LINK, 1);
        if (targets.anyLink)
            add(SchemeSlot::LINK, 0);
        if (targets.visited)
            add(SchemeSlot::VLINK, 0);
    }
}

} // namespace

std::optional<CssSchemeColors> readCssSchemeColors(QStringView text)
{
    // Most clipboards hold no braces at all, and this look is quick.
    if (findAnyOf<u'{'>(text, 0) == text.size())
        return std::nullopt;
    return SheetReader(text).read();
}
