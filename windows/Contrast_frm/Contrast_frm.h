// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Scheme.h"
#include "platform/Form.h"

#include <array>

class TLabel;
class TPanel;

// A live check of the whole scheme: each pair of colours a page puts side
// by side, its contrast ratio and the levels it meets; then the scheme as
// people with each full dichromacy see it, with the same checks.
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

    // One per vision type, typical first: a miniature of the preview tile
    // in the colours that vision sees, and its checks.
    struct VisionPreview {
        TLabel* name;
        TPanel* tile;
        TLabel* text;
        TLabel* link;
        TLabel* visited;
        // Text, links and visited links on the background (AA), then links
        // and visited links against the text (3:1).
        std::array<TLabel*, rowCount> checks;
    };
    const std::array<VisionPreview, 4>& previews() const { return previews_; }
    // Which vision types lose the links in the text, in words.
    TLabel* blendLine() const { return blendLine_; }

private:
    void createPreviews(QWidget* parent);

    std::array<Row, rowCount> rows_{};
    std::array<VisionPreview, 4> previews_{};
    TLabel* blendLine_ = nullptr;
};
