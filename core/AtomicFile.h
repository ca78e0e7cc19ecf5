// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` all at once: they go to a
// temporary file beside it, which is flushed to disk and renamed over the
// old file only when every byte is written. On any failure the temporary
// file is removed and the old file stays whole. A symbolic link keeps
// pointing where it did; the file it names is the one replaced.
enum class TAtomicWrite { Written, CannotCreate, ShortWrite };
TAtomicWrite writeFileAtomically(const QString& path, const QByteArray& bytes);
