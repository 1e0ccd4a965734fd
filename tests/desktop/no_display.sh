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

# --help and --version answer with or without a display, on standard output, status 0.
for arg in --help --version; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$arg" 2>/dev/null)
  status=$?
  case "$arg" in
    --help) want="Usage: schimatios [LINK | --help | --version]" ;;
    --version) want="ΣΧΗμάτιος 1.00.0030" ;;
  esac
  if [ "$status" -ne 0 ] || [ "$(echo "$out" | head -1)" != "$want" ]; then
    echo "$arg: status $status, said: $out"
    fail=1
  fi
done
# Any other argument is ignored: still the no-display line.
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --zoom=2 2>&1 >/dev/null)
status=$?
if [ "$status" -ne 1 ] || [ "$err" != "$expected" ]; then
  echo "an unknown argument: status $status, said: $err"
  fail=1
fi
[ "$fail" -eq 0 ] && echo "no display: one line and status 1, every time; --help and --version answer"
exit "$fail"
