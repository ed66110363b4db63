#!/usr/bin/env bash
# The import check: every system call of the programs' built objects is one the handheld
# exports, except in platform/desktop/ and platform/emulated/ (tools/importcheck/).
#   scripts/check-imports.sh [BUILD_DIR]      (default: $VELKIS_BUILD_DIR, else build/)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${VELKIS_BUILD_DIR:-$root/build}}
exec python3 "$root/tools/importcheck/check_imports.py" "$root" "$build"
