#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page as man shows it: no warning from man --warnings, the
# project's version, and the sections a reader looks for.
# Arguments: the built page (huewise.1.gz), the project version.
set -euo pipefail

page=$1 version=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v man >/dev/null || fail "man is missing (make deps installs man-db)"
[ -f "$page" ] || fail "no manual page at $page"
gzip -t "$page" || fail "$page is not gzip"

warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings: $warnings"
text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
    grep -qx "$section" <<<"$text" || fail "no $section section"
done
grep -q "Huewise $version" <<<"$text" || fail "the page does not carry version $version"
for word in Huewise.ini XDG_CONFIG_HOME --help --version; do
    grep -q -- "$word" <<<"$text" || fail "the page does not mention $word"
done
echo "manual page: clean under man --warnings, version $version"
