// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "platform/NotifyEvent.h"

// Enabled from its creation; each tick runs OnTimer through the dispatcher.
class TTimer : public QObject {
public:
    explicit TTimer(QObject* owner);

    int interval() const { return timer_.interval(); }
    void setInterval(int milliseconds);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    TNotifyEvent OnTimer;

    // One tick, as the loop would deliver it (tests and benchmarks).
    void tick();

private:
    QTimer timer_;
    bool enabled_ = true;
};
