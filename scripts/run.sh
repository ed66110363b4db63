#!/usr/bin/env bash
# The main job: the emulated handheld with the bar running over the system taskbar.
#   scripts/run.sh [--profile portrait|landscape|square|hires] [--popup volume|battery] [--setup [order|timer|theme]] [--menu]
# With a display the device screen opens as a window to tap with the mouse; it runs
# until the window is closed or Ctrl-C. Without one it runs under Xvfb, writes a PNG
# of the device screen to build/screenshots/<profile>.png and prints the path.
# --popup taps the bar's volume or battery/memory button first, so that the popup
# is open; the PNG is then build/screenshots/<profile>-<popup>.png.
# --setup also opens the setup program over the bar on the given page (screenshot
# <profile>-setup.png, or <profile>-setup-<page>.png).
# --menu starts three sample applications and opens the bar menu (<profile>-menu.png).
# VELKIS_RUN_BUILD_DIR picks another build tree than build/. Under a harness that is
# already up (inside the test command) it uses that one and never waits for a person.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKIS_RUN_BUILD_DIR:-$root/build}
profile=portrait
popup=
setup=
menu=
while [ $# -gt 0 ]; do
    case "$1" in
        --profile) profile=${2:-}; shift 2 || { echo "--profile needs a value" >&2; exit 2; } ;;
        --profile=*) profile=${1#*=}; shift ;;
        --popup) popup=${2:-}; shift 2 || { echo "--popup needs a value" >&2; exit 2; } ;;
        --popup=*) popup=${1#*=}; shift ;;
        --setup) setup=order; shift
                 case "${1:-}" in order|timer|theme) setup=$1; shift ;; esac ;;
        --menu) menu=1; shift ;;
        -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
. "$root/scripts/harness.sh"
harness_profile_size "$profile" >/dev/null || { echo "unknown profile: $profile" >&2; exit 2; }
case "$popup" in
    '') button= ;;
    volume) button='Volume Normal' ;;
    battery) button='Battery/Memory Normal' ;;
    *) echo "unknown popup: $popup" >&2; exit 2 ;;
esac

. "$root/scripts/build.sh"
build_all "$root" "$build"

interactive=${DISPLAY:+1}
shared=
if [ -n "${WINEPREFIX:-}" ] && [ -n "${VELKIS_BUILD_DIR:-}" ]; then
    # Inside the test command its harness serves: no person to wait for, and the
    # device's programs end after the screenshot.
    shared=1
    interactive=
else
    harness_setup "$build" "$profile"
    trap harness_teardown EXIT
fi
trap 'exit 130' INT TERM
harness_switch_profile "$profile"

ctl() { wine "$build/emulator/devicectl.exe" "$@"; }
desktop_alive() {
    local p
    for p in $(harness_wine_pids); do
        grep -q 'explorer.exe' "/proc/$p/cmdline" 2>/dev/null && return 0
    done
    return 1
}
ctl install
ctl boot "$(winepath -w "$build/run-taps.log" 2>/dev/null)"
ctl start '\Program Files\Velkis\Velkis.exe'
[ -z "$button" ] || ctl tap-button "$button"
if [ -n "$menu" ]; then
    for app in Notes Calendar Inbox; do
        ctl start '\Windows\sampleapp.exe' --window "$app" SampleApp 0x90000000 0
        sleep 0.5
    done
    sleep 1
    ctl tap-button 'Menu Normal'
fi
if [ -n "$setup" ]; then
    sleep 1
    ctl start '\Program Files\Velkis\Tormalin.exe'
    sleep 1
    case "$setup" in timer) ctl sheet-page 1 ;; theme) ctl sheet-page 2 ;; esac
fi

if [ -n "$interactive" ]; then
    echo "The device screen ($profile) is open: tap it with the mouse. Close it or press Ctrl-C to stop."
    # The shell ends when the device screen is closed; if the screen's window is
    # killed instead, its desktop process goes. Either ends the run. Waiting in the
    # background lets Ctrl-C or a TERM reach the trap at once.
    ctl wait &
    waiter=$!
    while kill -0 "$waiter" 2>/dev/null && desktop_alive; do
        sleep 1 &
        wait $! || true
    done
else
    sleep 2
    mkdir -p "$build/screenshots"
    case "$setup" in "") page= ;; order) page=-setup ;; *) page=-setup-$setup ;; esac
    shot="$build/screenshots/$profile${popup:+-$popup}$page${menu:+-menu}.png"
    rm -f "$shot"
    wine "$build/emulator/screenshot.exe" "$(winepath -w "$shot" 2>/dev/null)"
    [ -z "$shared" ] || ctl stop
    [ -f "$shot" ] || { echo "no screenshot was written" >&2; exit 1; }
    echo "$shot"
fi
