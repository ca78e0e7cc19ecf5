// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QRadioButton>

// OnClick runs only when the user turns the button from unchecked to
// checked; setChecked() from code never runs it. Only the checked button of
// a group is a Tab stop.
class TRadioButton : public TWidget<QRadioButton> {
public:
    explicit TRadioButton(QWidget* parent);

    QString caption() const override { return text(); }
    void setCaption(const QString& caption) override { setText(caption); }
    bool checked() const { return isChecked(); }
    void setChecked(bool checked);

protected:
    QPalette::ColorRole fontColorRole() const override { return QPalette::WindowText; }

private:
    void onToggled(bool checked);
    void updateTabStop();
    bool settingFromCode_ = false;
};
