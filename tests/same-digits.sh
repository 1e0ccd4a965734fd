#!/usr/bin/env bash
# Another build's digits, line for line the Linux build's: every window's every input and
# some millions of Str and Format values.
#   tests/same-digits.sh LINUX_DIGITS "the browser build" node build/web/.../digits.js
# runs the Linux build's core_digits and the command given, and compares what they print.
set -euo pipefail
native="$1" name="$2"
shift 2
[ -x "$native" ] || { echo "no Linux build's digits at '$native': build the default preset first"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native" > "$out/native" &
"$@" | tr -d '\r' > "$out/other"
wait
cat "$out/other"
if ! diff "$out/native" "$out/other"; then
  echo "$name's digits differ from the Linux build's in the sections above"
  exit 1
fi
[ "$(wc -l < "$out/native")" -ge 11 ] || { echo "too few sections"; exit 1; }
echo "every section the same"
