// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

// What a person feels: a slider notification with the repaint it causes, an
// attribute switch, a paste (linear in the clipboard's size), and start-up up
// to the splash window and up to the main window built. On the offscreen
// platform, so the figures are the program's own work.

#include "core/IniFile.h"
#include "core/SchemeText.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/ScrollBar.h"
#include "platform/Timer.h"
#include "windows/Colr_frm/Colr_frm.h"
#include "windows/Splash/Splash.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <cstdlib>

namespace {

// A window as the user has it: created, shown, its hand-over timer off.
struct ShownWindow {
    ShownWindow()
    {
        window.DoCreate();
        window.TmrSplash->setEnabled(false);
        window.Show();
        QApplication::processEvents();
    }
    TColor_Scan window;
};

// Moves the red bar by one the way a drag does, then lets Qt repaint what
// the handler changed.
void scrollRed(benchmark::State& state, QChar attribute)
{
    ShownWindow shown;
    TColor_Scan& w = shown.window;
    ActiveProperty = attribute;
    int level = 0;
    for (auto _ : state) {
        level = (level + 1) & 0xFF;
        w.ScrollRed->setPosition(level);
        int pos = level;
        w.ScrollRedScroll(w.ScrollRed, TScrollCode::scTrack, pos);
        QApplication::processEvents();
    }
}

void BM_ScrollRedWithBackgroundActive(benchmark::State& state)
{
    scrollRed(state, u'B');
}
BENCHMARK(BM_ScrollRedWithBackgroundActive)->Unit(benchmark::kMicrosecond);

void BM_ScrollRedWithTextActive(benchmark::State& state)
{
    scrollRed(state, u'T');
}
BENCHMARK(BM_ScrollRedWithTextActive)->Unit(benchmark::kMicrosecond);

void BM_AttributeSwitch(benchmark::State& state)
{
    ShownWindow shown;
    TColor_Scan& w = shown.window;
    bool text = false;
    for (auto _ : state) {
        text = !text;
        if (text)
            w.RBTextClick(nullptr);
        else
            w.RBBGColorClick(nullptr);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AttributeSwitch)->Unit(benchmark::kMicrosecond);

// The default scheme text, or that text at the far end of `size` bytes of filler.
void BM_Paste(benchmark::State& state)
{
    ShownWindow shown;
    TColor_Scan& w = shown.window;
    const QString scheme = QStringLiteral(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")");
    const qsizetype size = state.range(0);
    const QString text = size > scheme.size() ? QString(size - scheme.size(), u'x') + scheme : scheme;
    Clipboard().setAsText(text);
    for (auto _ : state) {
        w.SBPasteClick(nullptr);
        QApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_Paste)->Arg(0)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

// 16 MiB of each other form the reader knows, its colours at the far end: a
// page of markup and comments before its BODY tag, and a style sheet of
// rules for other selectors before the body's.
void BM_Paste16MiBOf(benchmark::State& state)
{
    ShownWindow shown;
    TColor_Scan& w = shown.window;
    const bool page = state.range(0) == 0;
    const QString filler = page ? QStringLiteral("<p class=\"x\">Some text.</p><!-- a note -->\n")
                                : QStringLiteral("p.note, td > a { color: #123456; margin: 0 }\n");
    const QString tail = page ? QStringLiteral(R"(<body bgcolor="white" text="#333" link="navy" vlink="#800080">)")
                              : cssText(defaultScheme());
    QString text = filler.repeated((16 << 20) / filler.size()) + tail;
    Clipboard().setAsText(text);
    for (auto _ : state) {
        w.SBPasteClick(nullptr);
        QApplication::processEvents();
    }
    state.SetLabel(page ? "page" : "style sheet");
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_Paste16MiBOf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StartupToSplashShown(benchmark::State& state)
{
    for (auto _ : state) {
        TFormSplash splash;
        splash.DoCreate();
        QApplication::processEvents();
        benchmark::DoNotOptimize(splash.isVisible());
    }
}
BENCHMARK(BM_StartupToSplashShown)->Unit(benchmark::kMicrosecond);

void BM_StartupToMainWindowBuilt(benchmark::State& state)
{
    for (auto _ : state) {
        TColor_Scan window;
        window.DoCreate();
        window.TmrSplash->setEnabled(false);
        benchmark::DoNotOptimize(window.LblBGSum);
    }
}
BENCHMARK(BM_StartupToMainWindowBuilt)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A settings file of its own, present as after a first run.
    char folder[] = "/tmp/huewise-bench-XXXXXX";
    if (!::mkdtemp(folder))
        return 2;
    qputenv("XDG_CONFIG_HOME", folder);
    qputenv("XDG_RUNTIME_DIR", folder);

    ::benchmark::Initialize(&argc, argv);
    TApplication application(argc, argv);
    application.setTitle(QStringLiteral("Huewise32"));
    TIniFile ini(QStringLiteral("Huewise.ini"));
    ini.WriteString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QStringLiteral("FFFFCC"));
    ini.WriteBool(QStringLiteral("Options"), QStringLiteral("ToolBar"), true);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    QDir(QString::fromLatin1(folder)).removeRecursively();
    return 0;
}
