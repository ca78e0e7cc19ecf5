#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program under Xvfb, as a person meets it: the splash comes up,
# the main window replaces it after five seconds, the close box ends the
# program with status 0 after writing the settings file; SIGTERM and SIGINT
# end it at once and write nothing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# Start, splash, hand-over, close box.
start
started=$SECONDS
splash=$(wait_for_size 310 10) || fail "no splash window"
xdotool getwindowgeometry "$splash" | grep -q 'Geometry: 310x113' || fail "splash is not 310x113"
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "another window is visible beside the splash"
main=$(wait_for_size 412 15) || fail "no main window after the hand-over"
[ $((SECONDS - started)) -ge 4 ] || fail "hand-over came before five seconds"
visible_windows | grep -q "^$splash " && fail "splash still visible after the hand-over"
if [ -n "${HUEWISE_SCREENSHOT:-}" ]; then import -window root "$HUEWISE_SCREENSHOT"; fi
"$here/close_window.py" "$main"
wait_exit 10 || fail "the close box did not end the program"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status after the close box"; }
settings=$XDG_CONFIG_HOME/Huewise.ini
keys=$(grep -o '^[A-Za-z]*=' "$settings" | tr -d '=' | tr '\n' ' ')
[ "$keys" = "BGCOLOR TEXT LINK VLINK Hints ToolBar SaveSettings X Y " ] || fail "settings file holds [$keys]"
cp "$settings" "$work/settings.before"

# SIGTERM and SIGINT end it at once, in the splash and after the hand-over.
for case in "TERM splash" "INT main"; do
    read -r signal phase <<<"$case"
    start
    if [ "$phase" = splash ]; then wait_for_size 310 10 >/dev/null; else wait_for_size 412 15 >/dev/null; fi \
        || fail "no $phase window"
    kill "-$signal" "$app_pid"
    wait_exit 3 || fail "SIG$signal did not end the program in the $phase phase"
    [ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status after SIG$signal"; }
done
cmp -s "$settings" "$work/settings.before" || fail "ending from outside wrote the settings file"

echo "e2e: start, splash, hand-over, close box, SIGTERM and SIGINT all behaved"
