// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/IniFile.h"
#include "core/StringList.h"
#include "support/TemporaryConfig.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <poll.h>
#include <random>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One kind of file the program writes, in two versions large enough that a
// write takes a while.
struct Writer {
    QString path;
    std::function<void(int version)> write; // as the program writes it
    QByteArray versions[2]; // what each write leaves on disk
};

struct Rounds {
    int killedInsideAWrite = 0;
};

// Reads the events of an inotify descriptor until one names a new temporary
// file of the writer's, for at most `timeoutMs` between events.
bool awaitTemporary(int watch, int timeoutMs)
{
    pollfd ready{watch, POLLIN, 0};
    while (::poll(&ready, 1, timeoutMs) == 1) {
        alignas(inotify_event) char buffer[4096];
        const ssize_t got = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && QByteArray(event->name).startsWith(".huewise-"))
                return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

void drain(int watch)
{
    char buffer[4096];
    while (::read(watch, buffer, sizeof buffer) > 0) {}
}

// A child writes the two versions in turn, forever. The parent waits until a
// write has begun (its temporary file appears), lets it run a random few
// milliseconds, kills the child and looks at the file, round after round.
Rounds killWhileWriting(const Writer& writer, int rounds)
{
    Rounds seen;
    writer.write(0);
    EXPECT_TRUE(readFile(writer.path) == writer.versions[0]) << "the first version was not written as expected";
    QDir folder = QFileInfo(writer.path).dir();
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0 || ::inotify_add_watch(watch, QFile::encodeName(folder.path()).constData(), IN_CREATE) < 0) {
        ADD_FAILURE() << "no inotify watch on " << folder.path().toStdString();
        return seen;
    }
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> delayUs(0, 4000);

    for (int round = 0; round < rounds; ++round) {
        int ready[2];
        if (::pipe(ready) != 0) {
            ADD_FAILURE() << "no pipe";
            break;
        }
        const pid_t child = ::fork();
        if (child < 0) {
            ADD_FAILURE() << "no fork";
            break;
        }
        if (child == 0) {
            ::close(ready[0]);
            try {
                writer.write(1);
                const char byte = 1;
                if (::write(ready[1], &byte, 1) != 1)
                    _exit(3);
                for (int version = 0;; version = 1 - version)
                    writer.write(version);
            } catch (...) {
                _exit(4);
            }
        }
        ::close(ready[1]);
        char byte = 0;
        const bool started = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        drain(watch);
        const bool writing = started && awaitTemporary(watch, 10000);
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(writing && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "round " << round << ": the child stopped writing by itself, status " << status;

        const QByteArray onDisk = readFile(writer.path);
        EXPECT_TRUE(onDisk == writer.versions[0] || onDisk == writer.versions[1])
            << "round " << round << ": " << onDisk.size() << " bytes on disk, neither version whole";
        // A kill cannot be cleaned up after: the temporary it left shows the
        // kill came inside a write.
        const QStringList temporaries = folder.entryList({QStringLiteral(".huewise-*")}, QDir::Files | QDir::Hidden);
        if (!temporaries.isEmpty())
            ++seen.killedInsideAWrite;
        for (const QString& name : temporaries)
            folder.remove(name);
    }
    ::close(watch);
    return seen;
}

TEST(AtomicWrite, KilledSettingsWriteLeavesTheOldOrTheNewFileWhole)
{
    const TemporaryConfig config;
    TIniFile ini(QStringLiteral("Huewise.ini"));
    const qsizetype sizes[2] = {3 * 1024 * 1024, 2 * 1024 * 1024};
    const char letters[2] = {'a', 'b'};
    Writer writer;
    writer.path = ini.path();
    writer.write = [&](int version) {
        TIniFile(QStringLiteral("Huewise.ini"))
            .WriteString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"),
                QString(sizes[version], QChar::fromLatin1(letters[version])));
    };
    for (int version = 0; version < 2; ++version)
        writer.versions[version] = "[Colors]\nBGCOLOR=" + QByteArray(sizes[version], letters[version]) + '\n';

    const Rounds seen = killWhileWriting(writer, 20);
    EXPECT_GT(seen.killedInsideAWrite, 0) << "no kill came inside a write, so nothing was shown";
}

TEST(AtomicWrite, KilledColourFileWriteLeavesTheOldOrTheNewFileWhole)
{
    QTemporaryDir folder;
    // Long lines, so the time goes into writing rather than into joining them.
    const QString lines[2] = {QStringLiteral("ColorB=") + QString(1024 * 1024, u'c'), QString(1024 * 1024, u'd')};
    const int counts[2] = {4, 3};
    Writer writer;
    writer.path = folder.filePath(QStringLiteral("scheme.clr"));
    TStringList lists[2];
    for (int version = 0; version < 2; ++version) {
        for (int i = 0; i < counts[version]; ++i)
            lists[version].add(lines[version]);
        writer.versions[version] = (lines[version].toLatin1() + "\r\n").repeated(counts[version]);
    }
    writer.write = [&](int version) { lists[version].SaveToFile(writer.path); };

    const Rounds seen = killWhileWriting(writer, 20);
    EXPECT_GT(seen.killedInsideAWrite, 0) << "no kill came inside a write, so nothing was shown";
}

} // namespace
