#!/usr/bin/env bash
# The skin preview against the run command: for the default skin at portrait and hires,
# the contact sheet has the size its parts need, its bar strips are the screen's width
# and the bar's height, and they show what the run command's screenshots show.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VELKIS_BUILD_DIR:-$root/build}
. "$root/scripts/harness.sh"
if [ -z "${WINEPREFIX:-}" ]; then
    harness_setup "$build" portrait
    trap harness_teardown EXIT
fi
win() { printf 'Z:%s' "$(tr / '\\' <<<"$1")"; }
profiles="portrait hires"
declare -A shots
for p in $profiles; do
    shots[$p]=$(VELKIS_RUN_BUILD_DIR="$build" "$root/scripts/run.sh" --profile "$p" | tail -n 1)
done
sheet="$build/preview/check.png"
"$root/scripts/preview-skin.sh" "$build/install/Themes/Default/barconfin.skin" "$sheet" --profiles "$profiles" >/dev/null
harness_switch_profile portrait
status=0
for p in $profiles; do
    wine "$build/tools/preview.exe" check "$(win "$sheet")" "$p" "$(win "${shots[$p]}")" | tr -d '\r' || status=1
done
# Both profiles' parts: 13 strips each (the bar, two states, ten buttons held down) and three screens.
parts=$(wc -l <"$sheet.txt")
[ "$parts" -eq 32 ] || { echo "preview check: $parts parts on the sheet, expected 32" >&2; status=1; }
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$sheet")
[ "$size" = "1472x2190" ] || { echo "preview check: the sheet is $size, expected 1472x2190" >&2; status=1; }
exit $status
