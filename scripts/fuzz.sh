#!/usr/bin/env bash
# Builds the INI engine's native fuzz target (clang, libFuzzer with address and undefined-
# behaviour sanitizers) and runs it in a scratch folder.
#   scripts/fuzz.sh [SECONDS]      default 60; e.g. scripts/fuzz.sh 3600 for a long run
# FUZZ_BUILD_DIR chooses where the target and any crash inputs go (default build/fuzz).
# Fails when the target finds a fault, or when anything besides the target file and the
# scratch file was written in the device folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=${FUZZ_BUILD_DIR:-$root/build/fuzz}
mkdir -p "$out"
out=$(cd "$out" && pwd)

clang++ -std=c++17 -O1 -g -fno-omit-frame-pointer -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root" \
    "$root"/common/ini_line.cpp "$root"/common/ini_read.cpp "$root"/common/ini_write.cpp \
    "$root"/common/ini_convert.cpp "$root"/tests/fuzz/ini_file_posix.cpp "$root"/tests/fuzz/fuzz_ini.cpp \
    -o "$out/fuzz_ini"

# Every input writes files: memory-backed storage roughly doubles the executions.
tmp=${TMPDIR:-/tmp}
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm
work=$(mktemp -d "$tmp/ini-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/device" "$work/corpus"
host_scratch_before=$([ -e /dax_software_ini ] && echo yes || echo no)

# New inputs go to the first corpus folder; the seeds in the tree are only read.
status=0
(cd "$work" && INI_DEVICE_ROOT="$work/device" "$out/fuzz_ini" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -dict="$root/tests/fuzz/ini.dict" -artifact_prefix="$out/" \
    "$work/corpus" "$root/tests/fuzz/corpus") >"$out/fuzz.log" 2>&1 || status=$?

stray=$(cd "$work" && find . -mindepth 1 ! -path ./corpus ! -path './corpus/*' ! -path ./device \
    ! -path ./device/config.ini ! -path ./device/dax_software_ini)
if [ -n "$stray" ]; then
    echo "fuzz: files written outside the target and the scratch file:" >&2
    echo "$stray" >&2
    status=1
fi
if [ "$host_scratch_before" = no ] && [ -e /dax_software_ini ]; then
    echo "fuzz: the scratch file reached the host's root folder" >&2
    status=1
fi
runs=$(grep -oE 'Done [0-9]+ runs in [0-9]+ second' "$out/fuzz.log" | tail -n 1 | sed 's/Done //; s/ second/ s/' || true)
if [ "$status" -ne 0 ]; then
    tail -n 40 "$out/fuzz.log" >&2
    echo "fuzz: FAILED (log: $out/fuzz.log)" >&2
    exit 1
fi
echo "fuzz: ${runs:-no summary}, no fault found"
