#!/usr/bin/env bash
# Builds the program's core and its own tests in a build of their own in which Qt is
# never looked for, so that a toolkit header slipping into the core fails here, then runs
# those tests.
set -euo pipefail
source_dir="$1" build_dir="$2" build_type="$3" sanitize="$4"
if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt)' "$source_dir"/runtime "$source_dir"/app \
     "$source_dir"/figures; then
  echo "the core includes a Qt header"; exit 1
fi
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DSCHIMATIOS_DESKTOP=OFF -DSCHIMATIOS_WERROR=ON \
  -DCMAKE_BUILD_TYPE="$build_type" -DSCHIMATIOS_SANITIZE="$sanitize" >/dev/null
cmake --build "$build_dir"
if grep -qi 'qt6\|Qt6' "$build_dir/compile_commands.json"; then
  echo "the core's build sees Qt"; exit 1
fi
ctest --test-dir "$build_dir" -R '^core_' --output-on-failure
