#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole saved page on the real clipboard, as a browser's "view source" and
# select-all gives it: a comment and a table with colours of their own
# before the BODY tag, named and short colours in it. The paste takes what
# the browser shows, and Edit > Copy Scheme hands it back.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

start
main=$(wait_for_size 412 15) || fail "no main window"

cat >"$work/page.html" <<'PAGE'
<!DOCTYPE html>
<html>
<head>
<title>Our club</title>
<!-- old colours: <body bgcolor="#FF0000" text="#00FF00"> -->
<style>table { background: #123456 }</style>
</head>
<table bgcolor="#FF00FF"><tr><td>menu</td></tr></table>
<BODY Bgcolor="white" text='#333' link=navy vlink="#800080" alink="#FF0000">
<p>Welcome. Set your page with bgcolor="#000000" to make it dark.</p>
</body>
</html>
PAGE
xclip -selection clipboard <"$work/page.html"
sleep 0.3

# Edit > Paste Scheme from the keyboard.
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+e
sleep 0.3
xdotool key p
sleep 0.5
got=$(copy_scheme_and_read_clipboard "$main")
want='BGCOLOR="#FFFFFF" TEXT="#333333" LINK="#000080" VLINK="#800080"'
[ "$got" = "$want" ] || fail "clipboard holds [$got], not [$want]"

"$here/close_window.py" "$main"
wait_exit 10 || fail "the close box did not end the program"
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit status $status"; }
grep -qx 'BGCOLOR=FFFFFF' "$XDG_CONFIG_HOME/Huewise.ini" || fail "the pasted background was not kept"
echo "e2e: a saved page pasted through the real clipboard gives the colours its BODY tag shows"
