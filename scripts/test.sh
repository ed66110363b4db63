#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test under Wine.
#   scripts/test.sh [--fuzz-seconds N] [ctest arguments...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=60
if [ "${1:-}" = "--fuzz-seconds" ]; then fuzz_seconds=$2; shift 2; fi
. "$root/scripts/build.sh"
build_all "$root" "$root/build"
. "$root/scripts/harness.sh"
harness_setup "$root/build" portrait
trap harness_teardown EXIT
cd "$root/build"
ctest --output-on-failure "$@"
# The INI engine's native fuzz target, bounded in time; a fault it finds fails the command.
if [ "$fuzz_seconds" -gt 0 ]; then
    FUZZ_BUILD_DIR="$root/build/fuzz" "$root/scripts/fuzz.sh" "$fuzz_seconds"
fi
