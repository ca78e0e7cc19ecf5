#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# Typing values in the real program: a click on the splash hands over at
# once, 336699 typed into the red hex box spreads over the three channels,
# 200 typed into the green decimal box moves that channel, and the copied
# scheme read back by another program carries both.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

start
splash=$(wait_for_size 310 10) || fail "no splash window"
started=$SECONDS
xdotool mousemove --window "$splash" 20 20 click 1
main=$(wait_for_size 412 3) || fail "a click on the splash did not hand over"
[ $((SECONDS - started)) -lt 4 ] || fail "the hand-over waited for its timer"

geometry=$(xdotool getwindowgeometry "$main")
x=$(sed -n 's/.*Position: \([0-9]*\),.*/\1/p' <<<"$geometry")
y=$(sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p' <<<"$geometry")
height=$(sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p' <<<"$geometry")
client_y=$((y + height - 320)) # below the menu bar
xdotool windowfocus --sync "$main" 2>/dev/null || true

# The red hex box (200, 192, 26 x 25): a click selects it, the digits replace it.
xdotool mousemove $((x + 212)) $((client_y + 204)) click 1
sleep 0.3
xdotool type --delay 50 336699
xdotool key Return
sleep 0.3
# Ctrl+C from the box, which has no selection now: Copy Scheme.
xdotool key ctrl+c
sleep 0.5
got=$(xclip -selection clipboard -o)
want='BGCOLOR="#336699" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF"'
[ "$got" = "$want" ] || fail "after typing 336699 the clipboard holds [$got], not [$want]"

# The green decimal box (240, 224, 33 x 24), entered with Tab this time.
xdotool mousemove $((x + 256)) $((client_y + 236)) click 1
sleep 0.3
xdotool type --delay 50 200
xdotool key Tab
sleep 0.3
got=$(copy_scheme_and_read_clipboard "$main")
want='BGCOLOR="#33C899" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF"'
[ "$got" = "$want" ] || fail "after typing 200 the clipboard holds [$got], not [$want]"
if [ -n "${HUEWISE_SCREENSHOT:-}" ]; then import -window root "$HUEWISE_SCREENSHOT"; fi

"$here/close_window.py" "$main"
wait_exit 10 || fail "the close box did not end the program"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status"; }
# What was typed is what the settings file keeps.
grep -qi '^BGColor=33C899' "$XDG_CONFIG_HOME/Huewise.ini" || { cat "$XDG_CONFIG_HOME/Huewise.ini" >&2; fail "the typed colour was not saved"; }
echo "e2e: a click on the splash hands over, typed 336699 and 200 reach the copied scheme"
