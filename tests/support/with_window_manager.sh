#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display with openbox managing the windows, then stops both.
# Exits 77 (a skipped test) when Xvfb or openbox is not installed. Xvfb chooses a free display
# itself (-displayfd), so tests that start together never share one, and the command starts only
# once openbox has said it is up: nothing depends on how busy the machine is.
set -u
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox missing"; exit 77; }
work=$(mktemp -d)
xvfb="" openbox_pid=""
trap 'kill $openbox_pid $xvfb 2>/dev/null; wait; rm -rf "$work"' EXIT
# Waits up to a minute for a file to be written; false when it never is.
await() { for _ in $(seq 600); do [[ -s $1 ]] && return 0; sleep 0.1; done; false; }

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
await "$work/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
openbox --startup "sh -c 'echo up > $work/openbox'" >/dev/null 2>&1 &
openbox_pid=$!
await "$work/openbox" || { echo "openbox did not start"; exit 1; }
"$@"
