#!/usr/bin/env bash
# The skin fuzz run: mutated skin files and BMP/PNG/JPEG/GIF images through the bar's
# load sequence, in one process under Wine. Fails on a crash, a GDI object that a
# reload leaves behind, a changed config.ini or a load slower than a second.
#   scripts/skin-fuzz.sh [SECONDS] [SEED]     default 40 s, a seed from the clock
# Findings are kept in build/skin-fuzz/. Run inside the test command, or alone after a build.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKIS_BUILD_DIR:-$root/build}
seconds=${1:-40}
out="$build/skin-fuzz"
rm -rf "$out"
mkdir -p "$out"
# Wine's drive Z: is the host's root.
findings="Z:$(tr / '\\' <<<"$out/findings")"
"$root/scripts/wine-exec.sh" "$build/tests/skin_fuzz.exe" "$seconds" "$findings" ${2:+"$2"} \
    >"$out/fuzz.log" 2>&1
status=$?
tr -d '\r' <"$out/fuzz.log" | grep -E '^(skin fuzz|finding)' || true
if [ "$status" -ne 0 ]; then
    tail -n 20 "$out/fuzz.log" >&2
    # After a crash the files of the fatal execution are still in the work folder the log names.
    echo "skin fuzz: FAILED with status $status (log: $out/fuzz.log)" >&2
    exit 1
fi
