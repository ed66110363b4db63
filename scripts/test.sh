#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test under Wine.
#   scripts/test.sh [--fuzz-seconds N] [ctest arguments...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/build.sh"
build_all "$root" "$root/build"
. "$root/scripts/harness.sh"
harness_setup "$root/build" portrait
trap harness_teardown EXIT
cd "$root/build"
ctest --output-on-failure "$@"
