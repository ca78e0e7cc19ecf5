#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every include of the program points downwards through its layers:
# app -> windows -> art -> platform -> core.
set -euo pipefail
cd "$1"
allowed() {
    case "$1" in
    core) echo "core" ;;
    platform) echo "core platform" ;;
    art) echo "core platform art" ;;
    windows) echo "core platform art windows" ;;
    app) echo "core platform art windows app" ;;
    esac
}
status=0
for layer in core platform art windows app; do
    while IFS=: read -r file line include; do
        target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$include")
        if ! grep -qw -- "$target" <<<"$(allowed "$layer")"; then
            echo "$file:$line: $layer includes $target: $include"
            status=1
        fi
    done < <(git grep -n '^#include "' -- "$layer/*.cpp" "$layer/*.h" || true)
done
exit "$status"
