#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line, with no display at all: --help and --version print and
# exit 0 without a window; an unknown option or an argument is a short
# error on stderr and exit 2, with nothing on stdout.
# Arguments: the binary, the project version.
set -euo pipefail

binary=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# No display of any kind: a window or a Qt application would fail here.
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" \
        timeout 10 "$binary" "$@" >"$work/out" 2>"$work/err" || status=$?
}

for option in --help -h; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option exits $status: $(cat "$work/err")"
    head -1 "$work/out" | grep -qx 'Usage: huewise \[options\]' || fail "$option prints no usage line"
    grep -q -- '--version' "$work/out" || fail "$option does not name --version"
    [ ! -s "$work/err" ] || fail "$option wrote to stderr: $(cat "$work/err")"
done
for option in --version -v; do
    run "$option"
    [ "$status" -eq 0 ] || fail "$option exits $status"
    [ "$(cat "$work/out")" = "huewise $version" ] || fail "$option prints '$(cat "$work/out")'"
done
[ ! -e "$work/config" ] || fail "--help or --version touched the settings folder"

for arguments in "--bogus" "-x" "page.html" "--help --bogus" "-platform"; do
    # shellcheck disable=SC2086
    run $arguments
    [ "$status" -eq 2 ] || fail "'$arguments' exits $status, not 2"
    [ ! -s "$work/out" ] || fail "'$arguments' wrote to stdout"
    [ "$(wc -l <"$work/err")" -le 2 ] || fail "'$arguments' wrote more than a short error: $(cat "$work/err")"
    grep -q '^huewise: ' "$work/err" || fail "'$arguments' gave no error: $(cat "$work/err")"
done
echo "command line: --help and --version with no display, unknown options exit 2"
