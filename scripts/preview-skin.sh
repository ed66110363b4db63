#!/usr/bin/env bash
# The skin preview: one PNG contact sheet of a skin on the real bar at every screen shape.
#   scripts/preview-skin.sh SKIN-FILE [SHEET.png] [--profiles "portrait hires ..."]
# For each profile (portrait, landscape, square, hires) a fresh emulated device wears
# the skin; the sheet shows the bar as the run command shows it, with an application,
# with the other button of each pair, every button held down, and the screen with the
# volume and battery/memory popups and the bar menu open. Headless without a display.
# The sheet goes to SHEET.png (default build/preview/<skin>.png); the path is printed.
# VELKIS_RUN_BUILD_DIR picks another build tree than build/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKIS_RUN_BUILD_DIR:-${VELKIS_BUILD_DIR:-$root/build}}
profiles="portrait landscape square hires"
args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --profiles) profiles=${2:-}; shift 2 || { echo "--profiles needs a value" >&2; exit 2; } ;;
        -h|--help) sed -n '2,9p' "$0"; exit 0 ;;
        *) args+=("$1"); shift ;;
    esac
done
[ ${#args[@]} -ge 1 ] && [ -f "${args[0]}" ] || { echo "usage: preview-skin.sh SKIN-FILE [SHEET.png]" >&2; exit 2; }
skin=$(cd "$(dirname "${args[0]}")" && pwd)/$(basename "${args[0]}")
sheet=${args[1]:-$build/preview/$(basename "$skin" .skin).png}
mkdir -p "$(dirname "$sheet")"
sheet=$(cd "$(dirname "$sheet")" && pwd)/$(basename "$sheet")
# Wine's drive Z: is the host's root.
win() { printf 'Z:%s' "$(tr / '\\' <<<"$1")"; }

. "$root/scripts/harness.sh"
own=
if [ -z "${WINEPREFIX:-}" ] || [ -z "${VELKIS_BUILD_DIR:-}" ]; then
    . "$root/scripts/build.sh"
    build_all "$root" "$build" >/dev/null
    harness_setup "$build" portrait
    trap harness_teardown EXIT
    own=1
fi
previous=${VELKIS_PROFILE:-portrait}
parts="$build/preview/parts-$$"
rm -rf "$parts"
mkdir -p "$parts"
start=$(date +%s)
for profile in $profiles; do
    harness_switch_profile "$profile"
    wine "$build/tools/preview.exe" shoot "$(win "$skin")" "$profile" "$(win "$parts")" ||
        { echo "preview: the $profile run failed" >&2; exit 1; }
done
[ -n "$own" ] || [ "$previous" = "${VELKIS_PROFILE:-}" ] || harness_switch_profile "$previous" >/dev/null
wine "$build/tools/preview.exe" sheet "$(win "$parts")" "$(win "$sheet")" ||
    { echo "preview: the sheet could not be written" >&2; exit 1; }
rm -rf "$parts"
echo "preview: $(wc -w <<<"$profiles") profiles in $(( $(date +%s) - start )) s" >&2
echo "$sheet"
