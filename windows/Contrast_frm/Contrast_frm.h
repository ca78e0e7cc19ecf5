// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Scheme.h"
#include "platform/Form.h"

#include <array>

class TLabel;

// A live check of the whole scheme: each pair of colours a page puts side
// by side, its contrast ratio and the levels it meets.
class TContrastForm : public TForm {
public:
    TContrastForm();

    void showScheme(const SchemeColors& colors);

    struct Row {
        TLabel* pair;
        TLabel* ratio;
        TLabel* first; // AA, or 3:1 for a link against the text
        TLabel* second; // AAA; empty for a link against the text
    };
    static constexpr int rowCount = 5;
    const std::array<Row, rowCount>& rows() const { return rows_; }

private:
    std::array<Row, rowCount> rows_{};
};
