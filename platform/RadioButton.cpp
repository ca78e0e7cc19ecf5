// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RadioButton.h"

TRadioButton::TRadioButton(QWidget* parent)
    : TWidget<QRadioButton>(parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) { onToggled(on); });
    updateTabStop();
}

void TRadioButton::setChecked(bool checked)
{
    settingFromCode_ = true;
    // Qt will not uncheck the checked button of an exclusive group.
    const bool exclusive = autoExclusive();
    if (!checked)
        setAutoExclusive(false);
    QRadioButton::setChecked(checked);
    setAutoExclusive(exclusive);
    settingFromCode_ = false;
}

void TRadioButton::onToggled(bool on)
{
    updateTabStop();
    if (on && !settingFromCode_)
        fire(OnClick);
}

void TRadioButton::updateTabStop()
{
    setTabStop(isChecked() ? TTabStop::Yes : TTabStop::No);
}
