#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display with openbox managing the windows, then stops both.
# Exits 77 (a skipped test) when Xvfb or openbox is not installed.
set -u
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox missing"; exit 77; }
display=90
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
openbox_pid=""
trap 'kill $openbox_pid 2>/dev/null; kill $xvfb 2>/dev/null; wait' EXIT
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
openbox_pid=$!
sleep 0.5
"$@"
