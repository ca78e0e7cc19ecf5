// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// The clipboard reader on any text: every value it finds lies inside the
// text, a colour it read is six upper-case hex digits, and a value taken as
// it stands is the six characters after a "#"; and the texts the program
// copies itself, built from four colours, read back exactly.
//
// Input: any bytes. After FF FE the rest is UTF-16 code units, low byte
// first; otherwise every byte is a Latin-1 character. The first twelve bytes
// also make the four colours, and the next one their letters' case.

#include "Check.h"
#include "core/CssColor.h"
#include "core/LegacyColor.h"
#include "core/SchemeText.h"

#include <array>

namespace {

constexpr qsizetype valueLength = 6;

bool isUpperHex(const QString& value)
{
    if (value.size() != valueLength)
        return false;
    for (QChar c : value) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

void requireValuesHold(const QString& text)
{
    for (const std::optional<FoundValue>& found : findSchemeValues(text)) {
        if (!found)
            continue;
        require(found->offset >= 0 && found->length >= 1 && found->offset + found->length <= text.size(),
            "the value lies inside the text");
        require(found->value.size() == valueLength, "the label gets six characters");
        if (isUpperHex(found->value))
            continue;
        require(found->length == valueLength && found->value == text.mid(found->offset, valueLength),
            "a value that is no colour is six characters of the text as they stand");
        require(found->offset >= 1 && text[found->offset - 1] == u'#', "a value taken as it stands follows a #");
    }
}

using Scheme = SchemeValues;

Scheme valuesOf(const QString& text)
{
    const FoundValues found = findSchemeValues(text);
    Scheme values;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        require(found[slot].has_value(), "a copied text gives every attribute");
        values[slot] = found[slot]->value;
    }
    return values;
}

// Four colours from the first bytes, repeated when there are fewer.
Scheme schemeFrom(const std::uint8_t* data, std::size_t size)
{
    Scheme values;
    const auto byte = [&](std::size_t i) { return size == 0 ? 0 : data[i % size]; };
    const bool lower = byte(12) & 1;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        values[slot] = QString::asprintf(
            lower ? "%02x%02x%02x" : "%02X%02X%02X", byte(3 * slot), byte(3 * slot + 1), byte(3 * slot + 2));
    }
    return values;
}

void requireCopiesReadBack(const Scheme& values)
{
    Scheme upper;
    for (std::size_t slot = 0; slot < values.size(); ++slot)
        upper[slot] = upperCaseAscii(values[slot]);
    require(valuesOf(schemeText(values)) == values, "the scheme text gives its values as they stand");
    require(valuesOf(upperCaseAscii(schemeText(values))) == upper, "the pasted scheme text gives its values");
    require(valuesOf(cssText(values)) == upper, "the style sheet gives its colours");
    require(valuesOf(upperCaseAscii(cssText(values))) == upper, "the pasted style sheet gives its colours");
    // The program's own builder of the text the stored values make.
    require(valuesOf(startupSchemeText(values)) == values, "the start-up text gives its values as they stand");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool wide = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    const QString text = wide ? utf16(data + 2, size - 2) : latin1(data, size);
    requireValuesHold(text);
    // What a paste hands to the reader.
    requireValuesHold(upperCaseAscii(text));
    // The value parsers alone, on text no attribute or rule would give them.
    (void)parseLegacyColor(text);
    (void)parseCssColor(text);

    requireCopiesReadBack(schemeFrom(data, size));
    return 0;
}
