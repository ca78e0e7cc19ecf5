// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon (every window's) and its 96 × 96 picture.
QIcon programIcon();
QPixmap programPicture();
