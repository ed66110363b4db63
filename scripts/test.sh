#!/usr/bin/env bash
# The test command: installs what is missing, builds, and runs every test under Wine.
#   scripts/test.sh [--fuzz-seconds N] [ctest arguments...]
# After the tests two bounded fuzz runs follow: the INI engine natively (60 s) and the
# skin loader under Wine (40 s); --fuzz-seconds N gives each N seconds, 0 skips both.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=60
skin_fuzz_seconds=40
if [ "${1:-}" = "--fuzz-seconds" ]; then fuzz_seconds=$2; skin_fuzz_seconds=$2; shift 2; fi
. "$root/scripts/build.sh"
build_all "$root" "$root/build"
. "$root/scripts/harness.sh"
harness_setup "$root/build" portrait
trap harness_teardown EXIT
cd "$root/build"

set +e
ctest --output-on-failure "$@" 2>&1 | tee "$root/build/ctest-summary.log"
ctest_status=${PIPESTATUS[0]}
set -e
summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$root/build/ctest-summary.log" | tail -n 1)
total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
[ -n "$total" ] || { total=0; failed=1; }

# The skin loader's fuzz run in one Wine process, while the harness is still up.
if [ "$ctest_status" -eq 0 ] && [ "$skin_fuzz_seconds" -gt 0 ]; then
    total=$((total + 1))
    "$root/scripts/skin-fuzz.sh" "$skin_fuzz_seconds" || failed=$((failed + 1))
fi

# The INI engine's native fuzz target, bounded in time; a fault it finds fails the command.
if [ "$ctest_status" -eq 0 ] && [ "$fuzz_seconds" -gt 0 ]; then
    total=$((total + 1))
    FUZZ_BUILD_DIR="$root/build/fuzz" "$root/scripts/fuzz.sh" "$fuzz_seconds" || failed=$((failed + 1))
fi
echo "$((total - failed)) passed, $failed failed"
[ "$ctest_status" -eq 0 ] && [ "$failed" -eq 0 ]
