// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

constexpr const char* helpText = R"(Usage: huewise [options]
Choose the four colours of a hand-written HTML page's BODY tag, see them on
a preview, and copy them to the clipboard as attributes or as CSS.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt's own options, such as -platform or -style, are passed on to Qt.
The settings are kept in Huewise.ini in $XDG_CONFIG_HOME, or in ~/.config
when that is not set; see huewise(1).
)";

// QGuiApplication's and QApplication's options: accepted and left in argv.
constexpr const char* qtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
    "qmljsdebugger"};
constexpr const char* qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}

} // namespace

std::optional<int> handleCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options start with one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    for (const char* name : qtFlags)
        parser.addOption(QCommandLineOption(QLatin1String(name)));

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("huewise: %1\nTry 'huewise --help' for the options.\n").arg(error));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, QString::fromUtf8(helpText));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("huewise " HUEWISE_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}
