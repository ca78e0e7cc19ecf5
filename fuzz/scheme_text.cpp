// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// The scheme text reader's search, on any text: whatever it finds is six
// characters that follow a "#" standing after the attribute's keyword, all
// inside the text; and the two texts the program builds itself, the
// clipboard scheme text and the start-up scheme text, give back exactly the
// four values they were built from.
//
// Input: any bytes, read as the text itself and, split at LF, as the four
// stored values of a start-up text.

#include "Check.h"
#include "core/ColorNotation.h"
#include "core/Exceptions.h"
#include "core/SchemeText.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr qsizetype valueLength = 6;

bool isSchemeValue(const QString& value)
{
    if (value.size() != valueLength)
        return false;
    for (QChar c : value) {
        const bool hex = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!hex)
            return false;
    }
    return true;
}

int hexPair(const QString& value, int at)
{
    return value.mid(at, 2).toInt(nullptr, 16);
}

// The found characters become the summary label and then, only when they are
// six hex digits, the colour: RRGGBB is the colour value 0x00BBGGRR.
void requireColourOrError(const QString& value)
{
    try {
        const TColor colour = notation::colorValue(value);
        require(isSchemeValue(value), "only six hex digits make a colour");
        require(colour == (hexPair(value, 0) | hexPair(value, 2) << 8 | hexPair(value, 4) << 16),
            "the colour holds red, green and blue of RRGGBB");
    } catch (const EConvertError&) {
        require(!isSchemeValue(value), "six hex digits always make a colour");
    }
}

void requireInside(const QString& text)
{
    const SchemeValueOffsets found = findSchemeValues(text);
    for (SchemeSlot slot : schemeSlots) {
        const std::optional<qsizetype> at = found[static_cast<int>(slot)];
        if (!at)
            continue;
        require(*at >= 1 && *at + valueLength <= text.size(), "the value lies inside the text");
        require(text[*at - 1] == u'#', "the value follows a #");
        const qsizetype name = text.indexOf(keyword(slot));
        require(name >= 0 && name + keyword(slot).size() < *at, "the keyword stands before its value");
        requireColourOrError(text.mid(*at, valueLength));
    }
}

void requireValuesBack(const QString& text, const std::array<QString, 4>& values)
{
    requireInside(text);
    const SchemeValueOffsets found = findSchemeValues(text);
    for (int slot = 0; slot < 4; ++slot)
        require(
            found[slot] && text.mid(*found[slot], valueLength) == values[slot], "a built text gives its values back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = latin1(data, size);
    requireInside(text);
    // What a paste hands to the reader.
    requireInside(upperCaseAscii(text));

    SchemeValues values;
    const QStringList lines = text.split(u'\n');
    for (int slot = 0; slot < 4 && slot < lines.size(); ++slot)
        values[slot] = lines[slot];
    // The program's own builder, as the settings come back at start-up.
    const QString startup = startupSchemeText(values);
    requireInside(startup);
    const QString pasted = QStringLiteral("<BODY ") + upperCaseAscii(schemeText(values)) + u'>';
    requireInside(pasted);

    if (std::all_of(values.begin(), values.end(), isSchemeValue)) {
        requireValuesBack(startup, values);
        SchemeValues upper;
        for (int slot = 0; slot < 4; ++slot)
            upper[slot] = upperCaseAscii(values[slot]);
        requireValuesBack(pasted, upper);
    }
    return 0;
}
