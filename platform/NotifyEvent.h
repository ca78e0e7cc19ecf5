// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

// The one shape of the program's plain events: clicks, menu choices, timer
// ticks and the creation of a window.
using TNotifyEvent = std::function<void(QObject* sender)>;
