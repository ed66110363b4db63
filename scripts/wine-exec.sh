#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: what CTest calls for every test.
#   wine-exec.sh [--profile PROFILE] PROGRAM [ARGS...]
# Inside the test command the harness is already up; run alone, it brings one up and
# takes it down again afterwards. With --profile the program sees that screen; the
# previous profile is restored afterwards.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness.sh"
profile=
if [ "${1:-}" = "--profile" ]; then
    profile=$2
    shift 2
fi
own=
if [ -z "${WINEPREFIX:-}" ] || [ -z "${VELKIS_BUILD_DIR:-}" ]; then
    build=${VELKIS_BUILD_DIR:-$(cd "$(dirname "$1")/.." && pwd)}
    harness_setup "$build" "${profile:-${VELKIS_PROFILE:-portrait}}" || exit 1
    trap harness_teardown EXIT
    own=1
fi
if [ -n "$profile" ] && [ -z "$own" ]; then
    previous=${VELKIS_PROFILE:-portrait}
    harness_switch_profile "$profile" || exit 1
    wine "$@"
    status=$?
    [ "$previous" != "$profile" ] && harness_switch_profile "$previous" >/dev/null 2>&1
    exit $status
fi
wine "$@"
