#!/usr/bin/env bash
# The Windows build's digits, line for line the Linux build's: every window's every input
# and some millions of Str and Format values, the Windows side run under Wine.
set -euo pipefail
native="$1" windows="$2"
[ -x "$native" ] || { echo "no Linux build's digits at '$native': build the default preset first"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$native" > "$out/native" &
wine "$windows" 2>/dev/null | tr -d '\r' > "$out/windows"
wait
cat "$out/windows"
if ! diff "$out/native" "$out/windows"; then
  echo "the Windows build's digits differ from the Linux build's in the sections above"
  exit 1
fi
[ "$(wc -l < "$out/native")" -ge 11 ] || { echo "too few sections"; exit 1; }
echo "every section the same"
