// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowTests.h"

#include "platform/Application.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cstdlib>
#include <filesystem>

// This has to happen before the QApplication exists, and
// gtest_discover_tests runs the binary without the test's environment.
int runWindowTests(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    char folder[] = "/tmp/huewise-test-XXXXXX";
    if (!::mkdtemp(folder))
        return 2;
    qputenv("XDG_CONFIG_HOME", folder);
    qputenv("XDG_RUNTIME_DIR", folder);

    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        TApplication application(argc, argv);
        application.setTitle(QStringLiteral("Huewise32"));
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
