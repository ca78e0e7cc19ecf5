// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Color.h"
#include "core/CustomColors.h"
#include "core/StringList.h"

#include <QObject>

class QColorDialog;
class QWidget;

enum class TColorDialogOption { cdFullOpen };

// The desktop's colour dialog (Qt's own, so it always has its sixteen custom
// colour boxes), run modally. Its custom colours come from CustomColors
// before each showing and go back into it only after OK.
class TColorDialog : public QObject {
public:
    explicit TColorDialog(QWidget* owner);
    ~TColorDialog() override;

    TColor color() const { return color_; }
    void setColor(TColor color) { color_ = color; }
    TStringList& customColors() { return customColors_; }
    // Qt's dialog always shows its custom colour area, as cdFullOpen asks.
    bool fullOpen() const { return fullOpen_; }
    void setOptions(TColorDialogOption option) { fullOpen_ = option == TColorDialogOption::cdFullOpen; }

    // True after OK; Color is then the chosen colour. Raises EConvertError,
    // and shows nothing, when the list holds a box value that is not hex.
    bool Execute();

private:
    void rememberQtCustomColors();
    void restoreQtCustomColors();

    QWidget* owner_;
    TColor color_ = clBlack;
    TStringList customColors_;
    bool fullOpen_ = false;
    bool remembered_ = false;
    std::array<unsigned, customColorCount> qtCustomColors_{};
};
