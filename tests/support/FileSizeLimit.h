// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>

// Runs `write` in a child process that may not grow any file past `bytes`,
// as on a full disk, and succeeds when it raises exactly `message`.
::testing::AssertionResult failsWithFileSizeLimit(
    long bytes, const std::function<void()>& write, const QString& message);
