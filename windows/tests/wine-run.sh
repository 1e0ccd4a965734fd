#!/usr/bin/env bash
# Runs a Windows program under Wine in a Wine folder of its own, made for the run and
# removed after it; its output as it prints it.
set -euo pipefail
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine "$@" 2>/dev/null
