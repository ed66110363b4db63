# Wine harness, sourced by the run and test commands and by wine-exec.sh.
#   harness_setup BUILD_DIR [PROFILE]   private prefix, display, one persistent wineserver
#   harness_profile PROFILE             screen size and density of the emulated device
#   harness_switch_profile PROFILE      the same, and waits until new programs see it
#   harness_teardown                    stops what harness_setup started
# Nothing outside BUILD_DIR is touched: the user's own ~/.wine stays as it is.
#
# The prefix has the arch of the build's programs (BUILD_DIR/winearch): win32 for the
# handheld's 32-bit build, a pure 32-bit prefix with one system folder; win64 for the
# 64-bit build of machines that run no 32-bit programs. Every `wine` of a script that
# sources this file starts that arch's own loader: with wine32 installed the plain
# `wine` is the 32-bit one, which a machine without 32-bit support cannot start.

wine() { "${HARNESS_WINE:-$(type -P wine)}" "$@"; }
winepath() { wine winepath "$@"; }

# The loader for a prefix of arch $1.
harness_loader() {
    if [ "$1" = win64 ]; then
        local loader
        for loader in /usr/lib/wine/wine64 "$(type -P wine64)"; do
            [ -x "$loader" ] && { echo "$loader"; return 0; }
        done
    fi
    type -P wine
}

harness_profile_size() {
    case "$1" in
        portrait)  echo "240x320 96" ;;
        landscape) echo "320x240 96" ;;
        square)    echo "240x240 96" ;;
        hires)     echo "480x640 192" ;;
        *) return 1 ;;
    esac
}

harness_reg() {
    wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}

harness_profile() {
    local geometry size dpi
    geometry=$(harness_profile_size "$1") || { echo "unknown profile: $1" >&2; return 1; }
    size=${geometry% *}; dpi=${geometry#* }
    harness_reg 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
    harness_reg 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ "$size"
    harness_reg 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
    export VELKIS_PROFILE="$1" VELKIS_SCREEN="$size"
}

# The virtual desktop takes its size when it is created and keeps it while the
# wineserver runs (the density applies to each new program at once). So a new size
# needs a fresh wineserver: about 2.5 s, paid only when the size changes.
harness_switch_profile() {
    local want i seen= restarted=
    want=$(harness_profile_size "$1") || { echo "unknown profile: $1" >&2; return 1; }
    harness_profile "$1" || return 1
    local ctl="$VELKIS_BUILD_DIR/emulator/devicectl.exe"
    [ -f "$ctl" ] || return 0
    for i in 1 2 3 4 5; do
        seen=$(wine "$ctl" metrics 2>/dev/null | tr -d '\r')
        [ "$seen" = "$want" ] && return 0
        if [ -z "$restarted" ]; then
            wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1
            wineserver -p >>"$VELKIS_BUILD_DIR/wineserver.log" 2>&1 </dev/null
            restarted=1
        else
            sleep 0.3
        fi
    done
    echo "profile $1: the device screen is '$seen', expected '$want'" >&2
    return 1
}

# The device's own DLLs (build/emulator/windows, installed into the device's \Windows)
# come before Wine's: device programs search D:\Windows through the PATH. Wine would
# find its own placeholder of a DLL it also provides (tapi32.dll) in system32 first,
# so that placeholder moves behind the device's folder; a device without the DLL
# still gets Wine's own.
harness_device_dlls() {
    local build=$1 dll name overrides= system="$WINEPREFIX/drive_c/windows/system32"
    local fallback="$WINEPREFIX/drive_c/windows/wine-dlls"
    mkdir -p "$fallback"
    for dll in "$build"/emulator/windows/*.dll; do
        [ -f "$dll" ] || continue
        name=$(basename "$dll" .dll)
        if [ -f "$system/$name.dll" ]; then
            mv -f "$system/$name.dll" "$fallback/$name.dll"
        fi
        overrides="$overrides,$name"
    done
    export WINEPATH='D:\Windows;C:\windows\wine-dlls'
    [ -n "$overrides" ] && WINEDLLOVERRIDES="$WINEDLLOVERRIDES;${overrides#,}=n,b"
    export WINEDLLOVERRIDES
}

harness_setup() {
    local build profile
    build=$(cd "$1" && pwd); profile=${2:-portrait}
    export VELKIS_BUILD_DIR="$build"
    local arch
    arch=$(cat "$build/winearch" 2>/dev/null) || arch=win32
    export WINEPREFIX="$build/wineprefix" WINEARCH=$arch WINEDEBUG=-all
    # Exported: the scripts and CTest's wine-exec.sh run inside this harness use it too.
    export HARNESS_WINE
    HARNESS_WINE=$(harness_loader "$arch")
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    HARNESS_STARTED_XVFB=
    if [ -z "${DISPLAY:-}" ]; then
        local fifo="$build/.xvfb-display"
        rm -f "$fifo"; mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >"$build/xvfb.log" 2>&1 &
        HARNESS_XVFB_PID=$!
        local num
        read -r -t 20 num <"$fifo" || { echo "Xvfb did not start" >&2; return 1; }
        rm -f "$fifo"
        export DISPLAY=":$num"
        HARNESS_STARTED_XVFB=1
    fi
    # The mark names the arch the prefix was made for; a prefix of another arch, or one
    # made before the marks named it, is made again (10-20 s).
    if [ "$(cat "$WINEPREFIX/.velkis-ready" 2>/dev/null)" != "$arch" ]; then
        wineserver -k >/dev/null 2>&1 || true
        rm -rf "$WINEPREFIX"
        wine wineboot -i >"$build/wineboot.log" 2>&1 || { echo "wineboot failed" >&2; return 1; }
        wineserver -w
        echo "$arch" >"$WINEPREFIX/.velkis-ready"
    fi
    # The handheld's system font is Tahoma: Wine's own (Debian's fonts-wine) stands in.
    cp -u /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    # The emulated handheld's root folder is drive D: of every device process.
    mkdir -p "$build/device"
    ln -sfn "$build/device" "$WINEPREFIX/dosdevices/d:"
    harness_device_dlls "$build"
    # One wineserver for the whole run: later processes start in a fraction of a second.
    wineserver -p >"$build/wineserver.log" 2>&1 </dev/null
    harness_profile "$profile"
}

# Wine processes (programs and wineserver) of this harness's prefix.
harness_wine_pids() {
    local p exe
    [ -n "${WINEPREFIX:-}" ] || return 0
    for p in /proc/[0-9]*; do
        exe=$(readlink "$p/exe" 2>/dev/null) || continue
        case "$exe" in */wine*) ;; *) continue ;; esac
        tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "${p#/proc/}"
    done
    # The loop's status is the last process's match; under set -e a caller would stop on it.
    return 0
}

harness_teardown() {
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    # Nothing of the run may outlive it.
    local i left
    for i in 1 2 3 4 5 6 7 8 9 10; do
        left=$(harness_wine_pids)
        [ -z "$left" ] && break
        sleep 0.2
    done
    if [ -n "$left" ]; then
        echo "harness: stopping leftover Wine processes: $left" >&2
        kill -9 $left 2>/dev/null
    fi
    if [ -n "${HARNESS_STARTED_XVFB:-}" ] && [ -n "${HARNESS_XVFB_PID:-}" ]; then
        kill "$HARNESS_XVFB_PID" 2>/dev/null
        wait "$HARNESS_XVFB_PID" 2>/dev/null || true  # its own exit status is not the run's
        unset DISPLAY
    fi
    HARNESS_STARTED_XVFB=
}
