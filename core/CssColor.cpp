// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CssColor.h"

#include "core/AsciiText.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace {

using namespace std::string_view_literals;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int hexDigitValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Levels are rounded half up, as browsers do when they show a colour.
int level(double value)
{
    return static_cast<int>(std::floor(std::clamp(value, 0.0, 255.0) + 0.5));
}

std::optional<TColor> hexColor(QStringView digits)
{
    const qsizetype size = digits.size();
    if (size != 3 && size != 4 && size != 6 && size != 8)
        return std::nullopt;
    std::array<int, 8> values{};
    for (qsizetype i = 0; i < size; ++i) {
        values[static_cast<std::size_t>(i)] = hexDigitValue(digits[i].unicode());
        if (values[static_cast<std::size_t>(i)] < 0)
            return std::nullopt;
    }
    if (size <= 4)
        return rgbColor(values[0] * 17, values[1] * 17, values[2] * 17);
    return rgbColor(values[0] * 16 + values[1], values[2] * 16 + values[3], values[4] * 16 + values[5]);
}

// One component inside rgb() or hsl(): a number with its unit, or "none".
struct Component {
    enum class Kind { Number, Percentage, Dimension, None } kind = Kind::None;
    double value = 0;
    QStringView unit;
};

// The text between the parentheses, read one token at a time.
class Arguments {
public:
    explicit Arguments(QStringView text)
        : m_text(text)
    {}

    bool atEnd()
    {
        skipWhitespace();
        return m_at == m_text.size();
    }

    bool take(char16_t delimiter)
    {
        skipWhitespace();
        if (m_at < m_text.size() && m_text[m_at] == delimiter) {
            ++m_at;
            return true;
        }
        return false;
    }

    std::optional<Component> component()
    {
        skipWhitespace();
        if (const auto number = numberLength()) {
            bool ok = false;
            const double value = m_text.sliced(m_at, *number).toDouble(&ok);
            // A number too large or too small for a double still counts:
            // the result is the infinity or the zero it rounds to.
            m_at += *number;
            if (m_at < m_text.size() && m_text[m_at] == u'%') {
                ++m_at;
                return Component{Component::Kind::Percentage, value, {}};
            }
            const qsizetype unit = identifierLength(m_at);
            if (unit > 0) {
                const QStringView unitText = m_text.sliced(m_at, unit);
                m_at += unit;
                return Component{Component::Kind::Dimension, value, unitText};
            }
            return Component{Component::Kind::Number, value, {}};
        }
        const qsizetype identifier = identifierLength(m_at);
        if (identifier > 0 && isAsciiKeyword(m_text.sliced(m_at, identifier), u"none"sv)) {
            m_at += identifier;
            return Component{};
        }
        return std::nullopt;
    }

private:
    void skipWhitespace()
    {
        while (m_at < m_text.size() && isAsciiBlank(m_text[m_at].unicode()))
            ++m_at;
    }

    bool digitAt(qsizetype at) const { return at < m_text.size() && isDigit(m_text[at].unicode()); }

    qsizetype digitsFrom(qsizetype at) const
    {
        while (digitAt(at))
            ++at;
        return at;
    }

    // A CSS number: optional sign, digits with an optional fraction (or a
    // fraction alone), optional exponent. "1." is the number 1 and a ".".
    std::optional<qsizetype> numberLength() const
    {
        qsizetype at = m_at;
        if (at < m_text.size() && (m_text[at] == u'+' || m_text[at] == u'-'))
            ++at;
        const qsizetype integerEnd = digitsFrom(at);
        qsizetype end = integerEnd;
        if (end < m_text.size() && m_text[end] == u'.' && digitAt(end + 1))
            end = digitsFrom(end + 1);
        if (end == at)
            return std::nullopt;
        if (end < m_text.size() && (m_text[end] == u'e' || m_text[end] == u'E')) {
            qsizetype exponent = end + 1;
            if (exponent < m_text.size() && (m_text[exponent] == u'+' || m_text[exponent] == u'-'))
                ++exponent;
            if (digitAt(exponent))
                end = digitsFrom(exponent);
        }
        return end - m_at;
    }

    qsizetype identifierLength(qsizetype at) const
    {
        const auto startsIdentifier = [](char16_t c) { return isLetter(c) || c == u'_' || c >= 0x80; };
        const auto continuesIdentifier = [&](char16_t c) { return startsIdentifier(c) || isDigit(c) || c == u'-'; };
        qsizetype end = at;
        if (end < m_text.size() && m_text[end] == u'-')
            ++end;
        if (end >= m_text.size() || !startsIdentifier(m_text[end].unicode()))
            return 0;
        while (end < m_text.size() && continuesIdentifier(m_text[end].unicode()))
            ++end;
        return end - at;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

bool isAlpha(const Component& alpha, bool noneAllowed)
{
    return alpha.kind == Component::Kind::Number || alpha.kind == Component::Kind::Percentage
        || (noneAllowed && alpha.kind == Component::Kind::None);
}

// The space syntax ends in an optional "/ alpha", the comma syntax in an
// optional ", alpha"; either way nothing may follow.
bool endsWithAlpha(Arguments& arguments, char16_t separator, bool noneAllowed)
{
    if (arguments.take(separator)) {
        const auto alpha = arguments.component();
        if (!alpha || !isAlpha(*alpha, noneAllowed))
            return false;
    }
    return arguments.atEnd();
}

double rgbLevel(const Component& component)
{
    if (component.kind == Component::Kind::Percentage)
        return component.value * 255.0 / 100.0;
    return component.value;
}

std::optional<TColor> rgbFunction(QStringView text)
{
    Arguments arguments(text);
    std::array<Component, 3> levels;
    const auto first = arguments.component();
    if (!first || first->kind == Component::Kind::Dimension)
        return std::nullopt;
    levels[0] = *first;
    if (arguments.take(u',')) {
        // The comma syntax: three numbers or three percentages, no "none".
        if (first->kind == Component::Kind::None)
            return std::nullopt;
        for (std::size_t i = 1; i < 3; ++i) {
            if (i == 2 && !arguments.take(u','))
                return std::nullopt;
            const auto next = arguments.component();
            if (!next || next->kind != first->kind)
                return std::nullopt;
            levels[i] = *next;
        }
        if (!endsWithAlpha(arguments, u',', false))
            return std::nullopt;
    } else {
        for (std::size_t i = 1; i < 3; ++i) {
            const auto next = arguments.component();
            if (!next || next->kind == Component::Kind::Dimension)
                return std::nullopt;
            levels[i] = *next;
        }
        if (!endsWithAlpha(arguments, u'/', true))
            return std::nullopt;
    }
    return rgbColor(level(rgbLevel(levels[0])), level(rgbLevel(levels[1])), level(rgbLevel(levels[2])));
}

// A hue in degrees: a plain number, an angle or "none".
std::optional<double> hueDegrees(const Component& hue)
{
    switch (hue.kind) {
    case Component::Kind::Number: return hue.value;
    case Component::Kind::None: return 0.0;
    case Component::Kind::Percentage: return std::nullopt;
    case Component::Kind::Dimension: break;
    }
    if (isAsciiKeyword(hue.unit, u"deg"sv))
        return hue.value;
    if (isAsciiKeyword(hue.unit, u"grad"sv))
        return hue.value * 360.0 / 400.0;
    if (isAsciiKeyword(hue.unit, u"rad"sv))
        return hue.value * 180.0 / std::numbers::pi;
    if (isAsciiKeyword(hue.unit, u"turn"sv))
        return hue.value * 360.0;
    return std::nullopt;
}

TColor hslColor(double hue, double saturation, double lightness)
{
    hue = std::isfinite(hue) ? std::fmod(hue, 360.0) : 0.0;
    if (hue < 0)
        hue += 360.0;
    const double s = std::clamp(saturation, 0.0, 100.0) / 100.0;
    const double l = std::clamp(lightness, 0.0, 100.0) / 100.0;
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30.0, 12.0);
        const double a = s * std::min(l, 1.0 - l);
        return l - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
    };
    return rgbColor(level(channel(0) * 255.0), level(channel(8) * 255.0), level(channel(4) * 255.0));
}

std::optional<TColor> hslFunction(QStringView text)
{
    Arguments arguments(text);
    const auto hue = arguments.component();
    if (!hue)
        return std::nullopt;
    const auto degrees = hueDegrees(*hue);
    if (!degrees)
        return std::nullopt;
    std::array<Component, 2> levels;
    if (arguments.take(u',')) {
        // The comma syntax: saturation and lightness as percentages.
        if (hue->kind == Component::Kind::None)
            return std::nullopt;
        for (std::size_t i = 0; i < 2; ++i) {
            if (i == 1 && !arguments.take(u','))
                return std::nullopt;
            const auto next = arguments.component();
            if (!next || next->kind != Component::Kind::Percentage)
                return std::nullopt;
            levels[i] = *next;
        }
        if (!endsWithAlpha(arguments, u',', false))
            return std::nullopt;
    } else {
        for (std::size_t i = 0; i < 2; ++i) {
            const auto next = arguments.component();
            if (!next || next->kind == Component::Kind::Dimension)
                return std::nullopt;
            levels[i] = *next;
        }
        if (!endsWithAlpha(arguments, u'/', true))
            return std::nullopt;
    }
    return hslColor(*degrees, levels[0].value, levels[1].value);
}

// The arguments of `name(...)`; a ")" missing at the very end is allowed,
// as CSS closes what the text leaves open. Nested functions are not read.
std::optional<QStringView> functionArguments(QStringView value, std::u16string_view name)
{
    const qsizetype open = static_cast<qsizetype>(name.size());
    if (value.size() <= open || value[open] != u'(' || !isAsciiKeyword(value.first(open), name))
        return std::nullopt;
    QStringView arguments = value.sliced(open + 1);
    if (arguments.endsWith(u')'))
        arguments.chop(1);
    if (arguments.contains(u'(') || arguments.contains(u')'))
        return std::nullopt;
    return arguments;
}

} // namespace

std::optional<TColor> parseCssColor(QStringView value)
{
    value = trimmedAsciiBlanks(value);
    if (value.isEmpty())
        return std::nullopt;
    if (value[0] == u'#')
        return hexColor(value.sliced(1));
    for (std::u16string_view name : {u"rgb"sv, u"rgba"sv}) {
        if (const auto arguments = functionArguments(value, name))
            return rgbFunction(*arguments);
    }
    for (std::u16string_view name : {u"hsl"sv, u"hsla"sv}) {
        if (const auto arguments = functionArguments(value, name))
            return hslFunction(*arguments);
    }
    return namedCssColor(value);
}
