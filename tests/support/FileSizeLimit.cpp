// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FileSizeLimit.h"

#include "core/Exceptions.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

::testing::AssertionResult failsWithFileSizeLimit(
    long bytes, const std::function<void()>& write, const QString& message)
{
    const pid_t child = ::fork();
    if (child < 0)
        return ::testing::AssertionFailure() << "fork failed";
    if (child == 0) {
        // A short write, not the signal that would end the child first.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            write();
        } catch (const Exception& error) {
            ::_exit(error.message() == message ? 0 : 3);
        }
        ::_exit(4);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return ::testing::AssertionFailure() << "the child did not exit (status " << status << ")";
    switch (WEXITSTATUS(status)) {
    case 0: return ::testing::AssertionSuccess();
    case 3: return ::testing::AssertionFailure() << "another message than " << message.toStdString();
    case 4: return ::testing::AssertionFailure() << "the short write was taken for success";
    default: return ::testing::AssertionFailure() << "exit status " << WEXITSTATUS(status);
    }
}
