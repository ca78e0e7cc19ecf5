#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The copy and paste keys in the real program with the real keyboard: a
# BODY tag another program put on the clipboard comes in with Ctrl+V and
# goes back out with Ctrl+C; Shift+Insert, Ctrl+Insert and Ctrl+Shift+C
# do their part; Ctrl+Q ends the program through its close handler.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

start
main=$(wait_for_size 412 15) || fail "no main window"
xdotool windowfocus --sync "$main" 2>/dev/null || true

press_and_read() { # key
    xdotool key "$1"
    sleep 0.5
    xclip -selection clipboard -o
}

printf '%s' '<body bgcolor="#ffffcc" text="#000080" link="#0000FF" vlink="#800080">' | xclip -selection clipboard
sleep 0.3
xdotool key ctrl+v
sleep 0.3
got=$(press_and_read ctrl+c)
want='BGCOLOR="#FFFFCC" TEXT="#000080" LINK="#0000FF" VLINK="#800080"'
[ "$got" = "$want" ] || fail "Ctrl+V then Ctrl+C gave [$got], not [$want]"

printf '%s' 'BGCOLOR="#102030" VLINK="#405060"' | xclip -selection clipboard
sleep 0.3
xdotool key shift+Insert
sleep 0.3
got=$(press_and_read ctrl+Insert)
want='BGCOLOR="#102030" TEXT="#000080" LINK="#0000FF" VLINK="#405060"'
[ "$got" = "$want" ] || fail "Shift+Insert then Ctrl+Insert gave [$got], not [$want]"

got=$(press_and_read ctrl+shift+c)
want=$(printf 'body { background-color: #102030; color: #000080; }\na:link { color: #0000FF; }\na:visited { color: #405060; }')
[ "$got" = "$want" ] || fail "Ctrl+Shift+C gave [$got]"

xdotool key ctrl+q
wait_exit 10 || fail "Ctrl+Q did not end the program"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status"; }
grep -qi '^VLink=405060' "$XDG_CONFIG_HOME/Huewise.ini" || fail "Ctrl+Q ended without the close handler's save"
echo "e2e: Ctrl+V, Ctrl+C, Shift+Insert, Ctrl+Insert, Ctrl+Shift+C and Ctrl+Q with the real keyboard"
