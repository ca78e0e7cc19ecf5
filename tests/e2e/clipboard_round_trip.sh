#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The real clipboard between two programs: a BODY tag that another program
# put on the clipboard is pasted with the tool-bar button, copied back with
# Edit > Copy Scheme, and read back by that other program.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

start
main=$(wait_for_size 412 15) || fail "no main window"
geometry=$(xdotool getwindowgeometry "$main")
x=$(sed -n 's/.*Position: \([0-9]*\),.*/\1/p' <<<"$geometry")
y=$(sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p' <<<"$geometry")
height=$(sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p' <<<"$geometry")
client_y=$((y + height - 320)) # below the menu bar

tag='<body bgcolor="#ffffcc" text="#000080" link="#0000FF" vlink="#800080" alink="#FF0000">'
printf '%s' "$tag" | xclip -selection clipboard
sleep 0.3

# The paste button: second of the tool bar, which starts one pixel left.
xdotool mousemove $((x + 38)) $((client_y + 13)) click 1
sleep 0.5
got=$(copy_scheme_and_read_clipboard "$main")
want='BGCOLOR="#FFFFCC" TEXT="#000080" LINK="#0000FF" VLINK="#800080"'
[ "$got" = "$want" ] || fail "clipboard holds [$got], not [$want]"
xclip -selection clipboard -t TARGETS -o | grep -qx 'text/plain' || fail "no plain text on the clipboard"

# Edit > Copy Scheme as CSS: three lines, each ending in a line feed.
xdotool key alt+e
sleep 0.3
xdotool key s
sleep 0.5
xclip -selection clipboard -o >"$work/css"
printf 'body { background-color: #FFFFCC; color: #000080; }\na:link { color: #0000FF; }\na:visited { color: #800080; }\n' >"$work/css.expected"
cmp -s "$work/css" "$work/css.expected" || { cat "$work/css" >&2; fail "the CSS copy is not the three lines"; }
if [ -n "${HUEWISE_SCREENSHOT:-}" ]; then import -window root "$HUEWISE_SCREENSHOT"; fi

"$here/close_window.py" "$main"
wait_exit 10 || fail "the close box did not end the program"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status"; }
echo "e2e: a BODY tag from another program pasted, and the scheme copied back to it as attributes and as CSS"
