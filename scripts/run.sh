#!/usr/bin/env bash
# The main job: the emulated handheld with the bar running over the system taskbar.
#   scripts/run.sh [--profile portrait|landscape|square|hires] [--popup volume|battery] [--setup [order|timer|theme]]
#                  [--menu | --menu-title TITLE]
#                  [--programs|--settings] [--skin FILE [--watch]] [--rotate]
# With a display the device screen opens as a window to tap with the mouse; it runs
# until the window is closed or Ctrl-C. Without one it runs under Xvfb, writes a PNG
# of the device screen to build/screenshots/<profile>.png and prints the path.
# --popup taps the bar's volume or battery/memory button first, so that the popup
# is open; the PNG is then build/screenshots/<profile>-<popup>.png.
# --setup also opens the setup program over the bar on the given page (screenshot
# <profile>-setup.png, or <profile>-setup-<page>.png).
# --menu starts three sample applications and opens the bar menu (<profile>-menu.png).
# --menu-title TITLE does the same with the third one titled TITLE (<profile>-menu-title.png).
# --programs or --settings opens the start menu's Programs list or the device panel
# (<profile>-programs.png, <profile>-settings.png).
# --skin FILE: the bar wears that skin (its folder is copied onto the device). With
# --watch every save of the skin or of a file in its folder copies it again and makes
# the running bar reload, and the skin checker's findings are printed when it finds
# any; headless, it watches until Ctrl-C instead of taking a screenshot.
# --rotate turns the running device to the other orientation (portrait 240x320 to
# landscape 320x240, hires 480x640 to 640x480) once the bar runs, as a person
# turning the handheld would, before any popup, menu or program opens
# (<profile>-rotated.png, <profile>-menu-rotated.png, ...).
# VELKIS_RUN_BUILD_DIR picks another build tree than build/. Under a harness that is
# already up (inside the test command) it uses that one and never waits for a person.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKIS_RUN_BUILD_DIR:-$root/build}
profile=portrait
popup=
setup=
menu=
menu_title=
app=
skin=
watch=
rotate=
while [ $# -gt 0 ]; do
    case "$1" in
        --profile) profile=${2:-}; shift 2 || { echo "--profile needs a value" >&2; exit 2; } ;;
        --profile=*) profile=${1#*=}; shift ;;
        --popup) popup=${2:-}; shift 2 || { echo "--popup needs a value" >&2; exit 2; } ;;
        --popup=*) popup=${1#*=}; shift ;;
        --setup) setup=order; shift
                 case "${1:-}" in order|timer|theme) setup=$1; shift ;; esac ;;
        --menu) menu=1; shift ;;
        --menu-title) menu=1; menu_title=${2:-}; shift 2 || { echo "--menu-title needs a title" >&2; exit 2; } ;;
        --programs) app=programs; shift ;;
        --settings) app=settings; shift ;;
        --skin) skin=${2:-}; shift 2 || { echo "--skin needs a file" >&2; exit 2; } ;;
        --watch) watch=1; shift ;;
        --rotate) rotate=1; shift ;;
        -h|--help) sed -n '2,26p' "$0"; exit 0 ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
if [ -n "$skin" ]; then
    [ -f "$skin" ] || { echo "no such skin file: $skin" >&2; exit 2; }
    skin=$(cd "$(dirname "$skin")" && pwd)/$(basename "$skin")
fi
[ -z "$watch" ] || [ -n "$skin" ] || { echo "--watch needs --skin FILE" >&2; exit 2; }
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
# The skin's folder as one line per file (time, size, name): it changes with every save.
skin_signature() { find "$(dirname "$skin")" -type f -printf '%T@ %s %p\n' 2>/dev/null | sort | md5sum; }
skin_win() { winepath -w "$skin" 2>/dev/null; }
check_skin() {
    local findings
    findings=$(wine "$build/tools/skincheck/skincheck.exe" "$(skin_win)" 2>&1) && return 0
    printf '%s\n' "$findings" | tr -d '\r'
}
ctl install
[ -z "$skin" ] || { ctl skin "$(skin_win)"; check_skin; }
ctl boot "$(winepath -w "$build/run-taps.log" 2>/dev/null)"
ctl start '\Program Files\Velkis\Velkis.exe'
if [ -n "$rotate" ]; then
    sleep 1   # the bar is up and turns with the screen
    ctl rotate
fi
[ -z "$button" ] || ctl tap-button "$button"
if [ -n "$menu" ]; then
    for sample in Notes Calendar "${menu_title:-Inbox}"; do
        ctl start '\Windows\sampleapp.exe' --window "$sample" SampleApp 0x90000000 0
        sleep 0.5
    done
    sleep 1
    ctl tap-button 'Menu Normal'
fi
[ -z "$app" ] || ctl start '\Windows\shell32.exe' --app "$app"
if [ -n "$setup" ]; then
    sleep 1
    ctl start '\Program Files\Velkis\Tormalin.exe'
    sleep 1
    case "$setup" in timer) ctl sheet-page 1 ;; theme) ctl sheet-page 2 ;; esac
fi
# One look at the skin's folder; on a change the copy is renewed, the bar reloads
# and the checker speaks when it finds anything.
watched=
watch_once() {
    local now
    now=$(skin_signature)
    if [ -n "$watched" ] && [ "$now" != "$watched" ]; then
        ctl skin "$(skin_win)" && echo "reloaded $(basename "$skin") at $(date +%T.%3N)"
        check_skin
    fi
    watched=$now
}

if [ -n "$watch" ]; then
    watch_once
    echo "Watching $(dirname "$skin") ($profile): every save reloads the bar. Ctrl-C stops."
    ctl wait &
    waiter=$!
    while kill -0 "$waiter" 2>/dev/null && { [ -z "$interactive" ] || desktop_alive; }; do
        sleep 0.1 &
        wait $! || true
        watch_once
    done
elif [ -n "$interactive" ]; then
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
    shot="$build/screenshots/$profile${popup:+-$popup}$page${menu:+-menu}${menu_title:+-title}${app:+-$app}${rotate:+-rotated}.png"
    rm -f "$shot"
    wine "$build/emulator/screenshot.exe" "$(winepath -w "$shot" 2>/dev/null)"
    # A shared harness keeps its screen for the tests that follow.
    [ -z "$shared" ] || [ -z "$rotate" ] || ctl rotate >/dev/null
    [ -z "$shared" ] || ctl stop
    [ -f "$shot" ] || { echo "no screenshot was written" >&2; exit 1; }
    echo "$shot"
fi
