// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Timer.h"

#include "platform/Application.h"

TTimer::TTimer(QObject* owner)
    : QObject(owner)
{
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start();
}

void TTimer::setInterval(int milliseconds)
{
    timer_.setInterval(milliseconds);
    if (enabled_)
        timer_.start();
}

void TTimer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled_)
        timer_.start();
    else
        timer_.stop();
}

void TTimer::tick()
{
    if (OnTimer)
        Application->dispatch([this] { OnTimer(this); });
}
