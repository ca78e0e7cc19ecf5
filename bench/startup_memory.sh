#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary under Xvfb: time from launch until the splash window is
# mapped, and peak resident memory once the main window has taken over.
# Five runs; the medians are printed.
#   bench/startup_memory.sh build/bench/huewise
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/e2e/lib.sh"

runs=${RUNS:-5}
mkdir -p "$XDG_CONFIG_HOME"
printf '[Colors]\nBGCOLOR=FFFFCC\n[General]\nX=40\nY=40\n' >"$XDG_CONFIG_HOME/Huewise.ini"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

startups=()
peaks=()
for _ in $(seq "$runs"); do
    begin=$(date +%s%N)
    start
    until xdotool search --onlyvisible --name '^Huewise$' >/dev/null 2>&1; do sleep 0.002; done
    mapped=$(date +%s%N)
    startups+=($(((mapped - begin) / 1000000)))
    wait_for_size 412 15 >/dev/null || fail "no main window"
    sleep 1
    peaks+=($(awk '/VmHWM/ { print int($2 / 1024) }' "/proc/$app_pid/status"))
    kill -TERM "$app_pid"
    wait_exit 5 || fail "did not end on SIGTERM"
done
echo "start-up to splash mapped: median $(printf '%s\n' "${startups[@]}" | median) ms (runs: ${startups[*]})"
echo "peak resident memory after the hand-over: median $(printf '%s\n' "${peaks[@]}" | median) MiB (runs: ${peaks[*]})"
