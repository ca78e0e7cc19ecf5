// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// One line of a data file made by a script in tests/data: a value and the
// colour it names as RRGGBB, or none where it names no colour.
struct ColorCase {
    int line = 0;
    QString value;
    std::optional<QString> expected;
};

inline std::vector<ColorCase> readColorCases(const QString& fileName)
{
    std::vector<ColorCase> cases;
    QFile file(QStringLiteral(HUEWISE_TEST_DATA "/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << file.fileName().toStdString();
        return cases;
    }
    int line = 0;
    while (!file.atEnd()) {
        const QByteArray text = file.readLine().trimmed();
        ++line;
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        const QJsonArray fields = QJsonDocument::fromJson(text).array();
        if (fields.size() != 2 || !fields[0].isString() || !(fields[1].isString() || fields[1].isNull())) {
            ADD_FAILURE() << fileName.toStdString() << ":" << line << " is no [value, colour] pair";
            continue;
        }
        ColorCase c{line, fields[0].toString(), std::nullopt};
        if (fields[1].isString())
            c.expected = fields[1].toString();
        cases.push_back(c);
    }
    return cases;
}

inline std::optional<QString> colorHex(std::optional<TColor> color)
{
    if (!color)
        return std::nullopt;
    return QString::asprintf("%02X%02X%02X", redOf(*color), greenOf(*color), blueOf(*color));
}

// The value as the code units it holds, for messages about texts with
// blanks, non-ASCII characters or lone surrogates.
inline std::string escaped(const QString& value)
{
    std::string text;
    for (QChar c : value) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F)
            text += static_cast<char>(u);
        else
            text += QString::asprintf("\\u%04x", u).toStdString();
    }
    return text;
}
