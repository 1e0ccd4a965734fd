#!/usr/bin/env bash
# Without a display the program says so in one line and ends with status 1: no variable
# set, a DISPLAY that points nowhere, Wayland asked for with no compositor.
set -uo pipefail
program="$1"
expected="ΣΧΗμάτιος: no display available (set DISPLAY, or run under Xvfb, or QT_QPA_PLATFORM=offscreen)"
fail=0
check() {
  local what="$1"; shift
  local err status
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$(mktemp -d)" "$@" "$program" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 1 ] || [ "$err" != "$expected" ]; then
    echo "$what: status $status, said: $err"
    fail=1
  fi
}
check "nothing set"
check "DISPLAY nowhere" DISPLAY=:97
check "Wayland without a compositor" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-97
[ "$fail" -eq 0 ] && echo "no display: one line and status 1, every time"
exit "$fail"
