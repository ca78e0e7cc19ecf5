// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AtomicFile.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TAtomicWrite writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QFileInfo info(path);
    // Qt's QSaveFile reports success after a short write (a full disk, a
    // file-size limit), so every write is checked here by hand.
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QByteArray targetName = QFile::encodeName(target);
    QByteArray temporary = QFile::encodeName(QFileInfo(target).absolutePath()) + "/.huewise-XXXXXX";

    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return TAtomicWrite::CannotCreate;
    struct stat old {};
    if (::stat(targetName.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0644);

    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            ok = false;
            break;
        }
        data += written;
        left -= written;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temporary.constData());
        return TAtomicWrite::ShortWrite;
    }
    if (::rename(temporary.constData(), targetName.constData()) != 0) {
        ::unlink(temporary.constData());
        return TAtomicWrite::CannotCreate;
    }
    return TAtomicWrite::Written;
}
