# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the end-to-end tests: a private Xvfb, a private config folder,
# the program started and waited for, windows found by title and size.
# Source it with the binary as $1.

binary=$1

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


# Edit > Copy Scheme from the keyboard, then what another program reads back.
copy_scheme_and_read_clipboard() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key alt+e
    sleep 0.3
    xdotool key c
    sleep 0.5
    xclip -selection clipboard -o
}
