#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: what CTest calls for every test.
# Inside the test command the harness is already up; run alone, it brings one up and
# takes it down again afterwards.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness.sh"
if [ -z "${WINEPREFIX:-}" ] || [ -z "${VELKIS_BUILD_DIR:-}" ]; then
    build=${VELKIS_BUILD_DIR:-$(cd "$(dirname "$1")/.." && pwd)}
    harness_setup "$build" "${VELKIS_PROFILE:-portrait}" || exit 1
    trap harness_teardown EXIT
fi
wine "$@"
