#!/usr/bin/env bash
# The run command's watch mode: a saved image of a copied skin shows on the bar within
# 2 s of its save, without a restart, and a broken skin's findings reach the terminal.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VELKIS_BUILD_DIR:-$root/build}
. "$root/scripts/harness.sh"
own=
if [ -z "${WINEPREFIX:-}" ]; then
    harness_setup "$build" portrait
    trap harness_teardown EXIT
    own=1
fi
harness_switch_profile portrait >/dev/null
ctl() { wine "$build/emulator/devicectl.exe" "$@"; }
fail() { echo "watch check: $*" >&2; exit 1; }
now() { date +%s%N; }

skin_dir="$build/watch-check/Skin"
log="$build/watch-check/run.log"
rm -rf "$build/watch-check"
mkdir -p "$build/watch-check"
cp -r "$build/install/Themes/Default" "$skin_dir"
VELKIS_RUN_BUILD_DIR="$build" "$root/scripts/run.sh" --skin "$skin_dir/barconfin.skin" --watch >"$log" 2>&1 &
runner=$!
stop() { kill "$runner" 2>/dev/null || true; wait "$runner" 2>/dev/null || true; ctl stop >/dev/null 2>&1 || true; }
trap 'stop; [ -z "$own" ] || harness_teardown' EXIT

# Bounded waits for the device and the bar wearing the copy.
for _ in $(seq 600); do grep -q '^Watching' "$log" && break; kill -0 "$runner" || break; sleep 0.1; done
grep -q '^Watching' "$log" || { cat "$log" >&2; fail "the run did not start watching"; }
menu_win=$(winepath -w "$skin_dir/images/menu.bmp" 2>/dev/null)
for _ in $(seq 100); do ctl find-image "$menu_win" >/dev/null && break; sleep 0.1; done
ctl find-image "$menu_win" >/dev/null || fail "the bar does not wear the skin's menu image"

# The new menu image: the same size, one colour the skin never uses (the key pixel kept).
python3 - "$skin_dir/images/menu.bmp" "$build/watch-check/menu.bmp" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
offset, = struct.unpack_from("<I", data, 10)
width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
assert bits == 24, bits
stride = (width * 3 + 3) & ~3
top = abs(height) - 1 if height > 0 else 0   # the stored row of the top line
for row in range(abs(height)):
    for x in range(width):
        if row == top and x == 0:
            continue
        data[offset + row * stride + 3 * x: offset + row * stride + 3 * x + 3] = bytes((0x34, 0xE0, 0x12))
open(sys.argv[2], "wb").write(data)
PY
new_win=$(winepath -w "$build/watch-check/menu.bmp" 2>/dev/null)
! ctl find-image "$new_win" >/dev/null || fail "the new image shows before its save"
saved=$(now)
mv "$build/watch-check/menu.bmp" "$skin_dir/images/menu.bmp"
shown=
while [ $(( ($(now) - saved) / 1000000 )) -lt 2000 ]; do
    if ctl find-image "$menu_win" >/dev/null; then shown=$(now); break; fi
done
[ -n "$shown" ] || { cat "$log" >&2; fail "the saved image did not show within 2 s"; }
reloaded=$(grep -m1 '^reloaded' "$log" | sed 's/.* at //')
echo "watch check: saved at $(date -d @$((saved / 1000000000)) +%T).$(printf %03d $(( saved / 1000000 % 1000 ))), $reloaded the bar had reloaded;" \
     "the image was seen $(( (shown - saved) / 1000000 )) ms after its save"

# A skin naming a missing image: the checker's findings are printed at its save.
lines=$(wc -l <"$log")
sed -i 's/^Menu Normal=.*/Menu Normal=images\\missing.bmp/' "$skin_dir/barconfin.skin"
for _ in $(seq 100); do tail -n +"$((lines + 1))" "$log" | grep -q 'missing.bmp' && break; sleep 0.1; done
tail -n +"$((lines + 1))" "$log" | grep -q 'missing.bmp' || { cat "$log" >&2; fail "no findings after saving a broken skin"; }
kill -0 "$runner" || fail "the run ended"
echo "watch check: passed"
