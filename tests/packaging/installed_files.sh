#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` lays out, checked the way a desktop finds it: the
# exact file tree, every icon at its nominal size, one application id that
# ties the desktop entry, the icon, the AppStream file and the binary
# together, and both freedesktop validators content.
# Argument: the build dir to install from.
set -euo pipefail

build_dir=$1
id=org.huewise.Huewise

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in desktop-file-validate appstreamcli identify; do
    command -v "$tool" >/dev/null || fail "$tool is missing (make deps installs it)"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build_dir" --prefix "$root" >/dev/null

sizes="16 32 48 64 128 256"
expected=$( {
    echo bin/huewise
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/man/man1/huewise.1.gz"
    for n in $sizes; do echo "share/icons/hicolor/${n}x$n/apps/$id.png"; done
    echo "share/icons/hicolor/scalable/apps/$id.svg"
} | sort)
actual=$(cd "$root" && find . -type f -printf '%P\n' | sort)
[ "$actual" = "$expected" ] || fail "installed tree differs:
$(diff <(echo "$expected") <(echo "$actual") || true)"
[ -x "$root/bin/huewise" ] || fail "bin/huewise is not executable"

for n in $sizes; do
    got=$(identify -format '%m %wx%h' "$root/share/icons/hicolor/${n}x$n/apps/$id.png")
    [ "$got" = "PNG ${n}x$n" ] || fail "icon for ${n}x$n is $got"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "scalable icon is not SVG"

desktop=$root/share/applications/$id.desktop
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = Huewise ] || fail "Name is '$(key Name)'"
[ "$(key Exec)" = huewise ] || fail "Exec is '$(key Exec)', not the bare binary name"
[ -x "$root/bin/$(key Exec)" ] || fail "Exec names no installed binary"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)'"
[ "$(key Categories)" = "Development;WebDevelopment;Graphics;" ] || fail "Categories are '$(key Categories)'"
[ -n "$(key Comment)" ] || fail "no Comment"

metainfo=$root/share/metainfo/$id.metainfo.xml
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metainfo does not launch $id.desktop"
grep -q '<image[^>]*>https://[^<]*/docs/main-window.png</image>' "$metainfo" \
    || fail "metainfo does not show the README's screenshot"

# The release entry names the version the package and --version carry.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" "$metainfo" \
    || fail "metainfo has no dated release entry for $version"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"

echo "installed tree, icons, one id and both validators: all good"
