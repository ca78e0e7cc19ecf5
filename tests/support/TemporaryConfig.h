// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// A configuration folder ($XDG_CONFIG_HOME) of the test's own for as long as
// it lives; the one before comes back after it.
class TemporaryConfig {
public:
    TemporaryConfig()
        : saved_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
    }
    ~TemporaryConfig()
    {
        if (saved_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", saved_);
    }
    TemporaryConfig(const TemporaryConfig&) = delete;
    TemporaryConfig& operator=(const TemporaryConfig&) = delete;

    QString path() const { return folder_.path(); }

private:
    QByteArray saved_;
    QTemporaryDir folder_;
};
