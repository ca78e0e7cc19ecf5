#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: named huewise_<version>_amd64.deb,
# holding the release binary and the desktop files under /usr, depending on
# the Qt libraries the binary links and on what it loads at run time. Unpacked
# into a private root, its binary starts under Xvfb, shows the frameless
# splash with the window class its desktop entry names, hands over to the
# main window and ends cleanly on SIGTERM.
# Arguments: the package, the project version.
set -euo pipefail

deb=$1 version=$2
id=org.huewise.Huewise

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(basename "$deb")" = "huewise_${version}_amd64.deb" ] || fail "package is named $(basename "$deb")"
[ -f "$deb" ] || fail "no package at $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = huewise ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is $(field Architecture)"
depends=$(field Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for dep in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6 \
    qt6-qpa-plugins qt6-wayland fonts-wine fonts-liberation2 fonts-dejavu-core; do
    grep -qx "$dep" <<<"$depends" || fail "Depends lacks $dep: $(field Depends)"
done
grep -q asan <<<"$depends" && fail "a sanitizer build was packaged: $(field Depends)"

sizes="16 32 48 64 128 256"
expected=$( {
    echo usr/bin/huewise
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo "usr/share/man/man1/huewise.1.gz"
    for n in $sizes; do echo "usr/share/icons/hicolor/${n}x$n/apps/$id.png"; done
    echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
} | sort)
actual=$(dpkg -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort)
[ "$actual" = "$expected" ] || fail "package holds a different tree:
$(diff <(echo "$expected") <(echo "$actual") || true)"

here=$(cd "$(dirname "$0")" && pwd)
# The binary is known once the package is unpacked into lib.sh's $work.
. "$here/../e2e/lib.sh" ""
dpkg -x "$deb" "$work/root"
binary=$work/root/usr/bin/huewise
[ -x "$binary" ] || fail "no executable usr/bin/huewise in the package"

start
splash=$(wait_for_size 310 10) || { cat "$work/app.log" >&2; fail "the packaged binary shows no splash"; }
xdotool getwindowgeometry "$splash" | grep -q 'Geometry: 310x113' || fail "splash is not 310x113"
# Motif hints: flags bit 1 says the decorations field counts, and it is 0.
read -r flags _ decorations _ < <(xprop -id "$splash" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
[ $((flags & 2)) -ne 0 ] && [ $((decorations)) -eq 0 ] || fail "splash asks for a window frame"
wm_class=$(xprop -id "$splash" WM_CLASS | sed 's/.*= //; s/"//g; s/, /,/')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/$id.desktop")
[ "$wm_class" = "$startup_class,$startup_class" ] \
    || fail "window class '$wm_class' is not the desktop entry's StartupWMClass '$startup_class'"
wait_for_size 412 15 >/dev/null || fail "the packaged binary never shows the main window"
kill -TERM "$app_pid"
wait_exit 3 || fail "SIGTERM did not end the packaged binary"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status after SIGTERM"; }

echo "package: name, fields, dependencies, file tree, and its binary starts under X11"
