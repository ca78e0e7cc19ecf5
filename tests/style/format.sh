#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every C++ file of the project is as clang-format 14 leaves it (the
# version is pinned: another one formats some constructs differently) and
# opens with its SPDX lines.
set -euo pipefail
cd "$1"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
[ "${#sources[@]}" -gt 0 ] || { echo "no sources listed by git"; exit 1; }
clang-format-14 --dry-run --Werror "${sources[@]}"
missing=0
for file in "${sources[@]}"; do
    if ! head -2 "$file" | grep -q '^// SPDX-License-Identifier: GPL-3.0-or-later$'; then
        echo "$file: no SPDX-License-Identifier line at the top"
        missing=1
    fi
done
exit "$missing"
