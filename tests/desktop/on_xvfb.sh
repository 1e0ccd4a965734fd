#!/bin/sh
# Runs a suite on an X server of its own with the keyboard a Greek school's PC has: the
# layouts gr and us, Greek active (kept: the server is not reset when setxkbmap, its
# only client, leaves).
set -u
dir=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset 5>"$dir/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$dir/display")
export DISPLAY
setxkbmap -layout gr,us || exit 1
QT_QPA_PLATFORM=xcb "$@"
