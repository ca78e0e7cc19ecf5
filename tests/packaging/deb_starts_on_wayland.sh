#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The packaged binary on Wayland, through Qt's wayland plugin and a headless
# Weston: the splash is a 310x113 toplevel titled "Huewise" whose app id is
# the desktop entry's name (that is how a compositor finds its icon), the
# main window follows it, and SIGTERM ends the program cleanly. Nothing can
# read a Wayland window from outside, so the client's own protocol log is
# the witness.
# Argument: the package.
set -euo pipefail

deb=$1
id=org.huewise.Huewise

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v weston >/dev/null || fail "weston is missing (make deps installs it)"

work=$(mktemp -d)
weston_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

dpkg -x "$deb" "$work/root"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --socket=huewise-test --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/huewise-test" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/huewise-test" ] || { cat "$work/weston.log" >&2; fail "weston did not start"; }

# Qt would fall back to X11 if asked for a list; with no DISPLAY and only
# wayland named, a start that does not reach Wayland fails outright.
WAYLAND_DISPLAY=huewise-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$work/root/usr/bin/huewise" >"$work/app.log" 2>&1 &
app_pid=$!

# "toplevel-object-number app-id" per toplevel the client names.
toplevels() { sed -n 's/.*xdg_toplevel@\([0-9]*\)\.set_app_id("\(.*\)").*/\1 \2/p' "$work/app.log"; }
wait_for_toplevels() { # count, seconds
    local deadline=$((SECONDS + $2))
    while [ "$(toplevels | wc -l)" -lt "$1" ]; do
        kill -0 "$app_pid" 2>/dev/null || { tail -20 "$work/app.log" >&2; fail "the program ended on Wayland"; }
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

wait_for_toplevels 1 10 || fail "no toplevel on Wayland"
read -r splash app_id < <(toplevels | head -1)
[ "$app_id" = "$id" ] || fail "app id is '$app_id', not $id"
grep -q "xdg_toplevel@$splash\.set_title(\"Huewise\")" "$work/app.log" || fail "splash is not titled Huewise"
grep -q "xdg_toplevel@$splash\.set_max_size(310, 113)" "$work/app.log" || fail "splash is not fixed at 310x113"
grep -q 'set_window_geometry(0, 0, 310, 113)' "$work/app.log" || fail "splash surface is not 310x113"

wait_for_toplevels 2 15 || fail "no main window on Wayland after the hand-over"
read -r _ app_id < <(toplevels | sed -n 2p)
[ "$app_id" = "$id" ] || fail "main window's app id is '$app_id'"

kill -TERM "$app_pid"
for _ in $(seq 30); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "SIGTERM did not end the program on Wayland"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || { tail -20 "$work/app.log" >&2; fail "exit status $status after SIGTERM on Wayland"; }

echo "wayland: splash and main window as toplevels with app id $id, clean SIGTERM"
