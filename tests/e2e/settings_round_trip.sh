#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# A stored Huewise.ini comes back at start (scheme and position), a change
# made with the keyboard goes into it at close, and nothing else in the
# file is disturbed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

mkdir -p "$XDG_CONFIG_HOME"
settings=$XDG_CONFIG_HOME/Huewise.ini
printf '; kept by hand\n[Colors]\nBGCOLOR=ffffcc\nTEXT=000080\nLINK=0000FF\nVLINK=800080\n[Mine]\nkeep=me\n[General]\nX=50\nY=60\n' >"$settings"

start
main=$(wait_for_size 412 15) || fail "no main window"
xdotool getwindowgeometry "$main" | grep -q 'Position: 50,60' || fail "not at the stored position"
got=$(copy_scheme_and_read_clipboard "$main")
want='BGCOLOR="#FFFFCC" TEXT="#000080" LINK="#0000FF" VLINK="#800080"'
[ "$got" = "$want" ] || fail "stored scheme came back as [$got]"

# Tab from the checked attribute button to the red bar, then Home: red 0.
xdotool key Tab
sleep 0.2
xdotool key Home
sleep 0.3
"$here/close_window.py" "$main"
wait_exit 10 || fail "the close box did not end the program"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status"; }

expected='; kept by hand
[Colors]
BGCOLOR=00FFCC
TEXT=000080
LINK=0000FF
VLINK=800080
[Mine]
keep=me
[General]
X=50
Y=60
[Options]
Hints=1
ToolBar=1
SaveSettings=1'
[ "$(cat "$settings")" = "$expected" ] || { cat "$settings" >&2; fail "settings file not as expected"; }
echo "e2e: stored settings came back, and went out again with the change"
