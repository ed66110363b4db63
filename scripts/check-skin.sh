#!/usr/bin/env bash
# The skin checker: lists what a skin lacks or gets wrong, read with the bar's own loader.
#   scripts/check-skin.sh SKIN-FILE...
# Exit status 0 when every skin is complete, 1 when one has problems, 2 on bad use.
# Builds what is missing first. VELKIS_RUN_BUILD_DIR picks another build tree than build/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKIS_RUN_BUILD_DIR:-$root/build}
[ $# -gt 0 ] || { sed -n '2,5p' "$0" >&2; exit 2; }
for skin in "$@"; do
    [ -f "$skin" ] || { echo "no such file: $skin" >&2; exit 2; }
done
. "$root/scripts/build.sh"
build_all "$root" "$build" >/dev/null
. "$root/scripts/harness.sh"
harness_setup "$build" portrait
trap harness_teardown EXIT
args=()
for skin in "$@"; do
    args+=("$(winepath -w "$(cd "$(dirname "$skin")" && pwd)/$(basename "$skin")" 2>/dev/null)")
done
set +e
wine "$build/tools/skincheck/skincheck.exe" "${args[@]}" | tr -d '\r'
exit "${PIPESTATUS[0]}"
