#!/usr/bin/env bash
# The browser build's digits, line for line the desktop build's: every window's every
# input and some millions of Str and Format values.
set -euo pipefail
native="$1" web="$2"
[ -x "$native" ] || { echo "no desktop build's digits at '$native': build the default preset first"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native" > "$out/native" &
node "$web" > "$out/web"
wait
cat "$out/web"
if ! diff "$out/native" "$out/web"; then
  echo "the browser build's digits differ from the desktop build's in the sections above"
  exit 1
fi
[ "$(wc -l < "$out/native")" -ge 11 ] || { echo "too few sections"; exit 1; }
echo "every section the same"
