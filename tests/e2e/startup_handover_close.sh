#!/usr/bin/env bash
# The built program under Xvfb, as a person meets it: the splash comes up,
# the main window replaces it after five seconds, the close box ends the
# program with status 0; SIGTERM and SIGINT end it at once.
set -euo pipefail

binary=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Visible windows titled exactly "Huewise", one "id WIDTHxHEIGHT" a line.
visible_windows() {
    for id in $(xdotool search --onlyvisible --name '^Huewise$' 2>/dev/null); do
        echo "$id $(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')"
    done
}

wait_for_size() { # width, seconds
    local deadline=$((SECONDS + $2))
    while [ $SECONDS -lt $deadline ]; do
        found=$(visible_windows | awk -v w="$1" '$2 ~ "^"w"x" {print $1}' | head -1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

start() {
    "$binary" >"$work/app.log" 2>&1 &
    app_pid=$!
}

wait_exit() { # seconds; sets $status to the exit status
    local deadline=$((SECONDS + $1))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
    status=0
    wait "$app_pid" || status=$?
    app_pid=
}

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
[ ! -e "$XDG_CONFIG_HOME/Huewise.ini" ] || fail "ending from outside wrote the settings file"

echo "e2e: start, splash, hand-over, close box, SIGTERM and SIGINT all behaved"
