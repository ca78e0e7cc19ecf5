#pragma once

#include <QObject>
#include <functional>

// The one shape of the program's plain events: clicks, menu choices, timer
// ticks and the creation of a window.
using TNotifyEvent = std::function<void(QObject* sender)>;
