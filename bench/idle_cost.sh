#!/usr/bin/env bash
# Idle cost of the bar: the CPU time that Velkis.exe and the wineserver use while the
# bar sits on the device with every timer running.
#   bench/idle_cost.sh [--seconds N] [--profile P]
# Boots a fresh device (default skin, a phone, the default settings: every button and
# so the full telephony and connection refresh), starts the bar, lets it settle, and
# measures N seconds (60 by default). Prints milliseconds of CPU over that time, and
# per minute. A benchmark, not a test: it asserts nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKIS_RUN_BUILD_DIR:-$root/build}
seconds=60
profile=portrait
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds=$2; shift 2 ;;
        --profile) profile=$2; shift 2 ;;
        *) echo "usage: $0 [--seconds N] [--profile P]" >&2; exit 2 ;;
    esac
done
. "$root/scripts/build.sh"
build_all "$root" "$build" >/dev/null
. "$root/scripts/harness.sh"
harness_setup "$build" "$profile"
trap harness_teardown EXIT
harness_switch_profile "$profile"

ctl() { wine "$build/emulator/devicectl.exe" "$@"; }
ctl install
ctl boot
ctl start '\Program Files\Velkis\Velkis.exe'

# The Linux process of a Wine program of this harness, by its image name.
pid_of() {
    local p
    for p in $(harness_wine_pids); do
        tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null | grep -qi "$1" && { echo "$p"; return 0; }
    done
    return 1
}
# user + system CPU time of a process, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

bar=
for i in $(seq 50); do bar=$(pid_of 'Velkis.exe' || true); [ -n "$bar" ] && break; sleep 0.1; done
server=$(pid_of 'wineserver' || true)
[ -n "$bar" ] && [ -n "$server" ] || { echo "the bar or the wineserver is not running" >&2; exit 1; }
sleep 5   # start-up and the first refresh are not part of the idle cost

hz=$(getconf CLK_TCK)
bar0=$(cpu_ticks "$bar"); server0=$(cpu_ticks "$server")
sleep "$seconds"
bar1=$(cpu_ticks "$bar"); server1=$(cpu_ticks "$server")
report() {
    local name=$1 ticks=$2
    awk -v n="$name" -v t="$ticks" -v hz="$hz" -v s="$seconds" \
        'BEGIN { ms = t * 1000 / hz; printf "%-12s %6.0f ms of CPU in %d s (%.0f ms per minute)\n", n, ms, s, ms * 60 / s }'
}
report Velkis.exe $((bar1 - bar0))
report wineserver $((server1 - server0))
