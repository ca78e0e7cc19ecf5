// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// The program's errors carry the text the default error box shows.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message)
    {}
    QString message() const { return message_; }

private:
    QString message_;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};
