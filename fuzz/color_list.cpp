// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// A colour file through the custom colour list: the file splits into lines
// as the reference below splits it, the sixteen boxes take the values of
// their first lines, rewriting the list after OK touches those lines alone
// (every other line survives byte for byte and missing entries are appended
// in box order), and the list written out reads back the same.
//
// Input: the bytes of a colour file.

#include "Check.h"
#include "core/CustomColors.h"
#include "core/Exceptions.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

// A NUL ends the text; CR LF, then any CR left, are line ends like LF; a
// line end at the very end opens no further line.
std::vector<std::string> referenceLines(std::string text)
{
    text = text.substr(0, text.find('\0'));
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; ++at)
        text.replace(at, 2, "\n");
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string entryName(int box)
{
    return std::string("color") + static_cast<char>('a' + box);
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The index of the first line named like the box, if any.
std::optional<std::size_t> entryLine(const std::vector<std::string>& lines, int box)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals != std::string::npos && lowered(lines[i].substr(0, equals)) == entryName(box))
            return i;
    }
    return std::nullopt;
}

// A box's value, or the text of the value that stops the filling.
std::variant<TColor, std::string> referenceBox(const std::vector<std::string>& lines, int box)
{
    const std::optional<std::size_t> line = entryLine(lines, box);
    if (!line)
        return TColor(-1);
    const std::string value = lines[*line].substr(lines[*line].find('=') + 1);
    if (value.empty())
        return TColor(-1);
    std::uint32_t pattern = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), pattern, 16);
    if (value.size() > 8 || error != std::errc() || end != value.data() + value.size())
        return value;
    return static_cast<TColor>(pattern);
}

std::string latin1Bytes(const QString& line)
{
    return line.toLatin1().toStdString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file = bytes(data, size);
    const std::vector<std::string> expectedLines = referenceLines(file.toStdString());

    TStringList list;
    for (const QString& line : splitTextLines(file))
        list.add(line);
    require(static_cast<std::size_t>(list.count()) == expectedLines.size(), "the file has the reference's lines");
    for (int i = 0; i < list.count(); ++i)
        require(
            latin1Bytes(list[i]) == expectedLines[static_cast<std::size_t>(i)], "each line as it stands in the file");

    CustomColorBoxes boxes{};
    std::optional<std::string> stopper;
    for (int box = 0; box < customColorCount && !stopper; ++box) {
        const auto value = referenceBox(expectedLines, box);
        if (std::holds_alternative<std::string>(value))
            stopper = std::get<std::string>(value);
        else
            boxes[box] = std::get<TColor>(value);
    }
    try {
        require(boxesFromList(list) == boxes, "the boxes take the values of their first lines");
        require(!stopper, "a value that is not hexadecimal stops the filling");
    } catch (const EConvertError& error) {
        require(stopper.has_value(), "only a value that is not hexadecimal stops the filling");
        const QString value = QString::fromLatin1(stopper->data(), static_cast<qsizetype>(stopper->size()));
        require(error.message() == QStringLiteral("'$") + value + QStringLiteral("' is not a valid integer value"),
            "the error names the value");
        // The dialog does not open then; rewrite from boxes of our own all the same.
        for (int box = 0; box < customColorCount; ++box)
            boxes[box] = static_cast<TColor>(0x01020408u * static_cast<std::uint32_t>(box + size));
    }

    rewriteList(list, boxes);
    std::size_t appended = expectedLines.size();
    std::vector<bool> isEntry(expectedLines.size(), false);
    for (int box = 0; box < customColorCount; ++box) {
        const std::optional<std::size_t> line = entryLine(expectedLines, box);
        const std::size_t at = line ? *line : appended++;
        if (line)
            isEntry[at] = true;
        require(at < static_cast<std::size_t>(list.count()), "missing entries are appended");
        char hex[16];
        std::snprintf(hex, sizeof hex, "%.6X", static_cast<unsigned>(boxes[box]));
        require(latin1Bytes(list[static_cast<int>(at)])
                == "Color" + std::string(1, static_cast<char>('A' + box)) + "=" + hex,
            "an entry line is written ColorX= and at least six upper-case digits");
    }
    require(static_cast<std::size_t>(list.count()) == appended, "nothing else is added");
    for (std::size_t i = 0; i < expectedLines.size(); ++i) {
        if (!isEntry[i])
            require(
                latin1Bytes(list[static_cast<int>(i)]) == expectedLines[i], "every other line survives byte for byte");
    }
    require(boxesFromList(list) == boxes, "the rewritten list gives the same boxes");

    // What Save writes, read back as Open reads it.
    QByteArray saved;
    for (const QString& line : list.lines())
        saved += line.toLatin1() + "\r\n";
    require(splitTextLines(saved) == list.lines(), "a saved list opens as the same list");
    return 0;
}
