# Sourced: installs the packages the build and tests need, configures and builds.
#   build_all SOURCE_DIR BUILD_DIR
# The programs are built 32-bit, as the handheld runs them (cmake/mingw-w64-i686.cmake).
# Where the machine's kernel runs no 32-bit programs, the 64-bit build stands in
# (cmake/mingw-w64-x86_64.cmake); VELKIS_ARCH=i686 or x86_64 chooses one by hand.

DEVICE_PACKAGES="cmake fonts-wine ninja-build googletest wine wine64 xvfb xauth x11-apps clang libclang-rt-14-dev python3"
I686_PACKAGES="wine32:i386 g++-mingw-w64-i686-posix binutils-mingw-w64-i686"
X86_64_PACKAGES="g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64"

install_missing() {
    local missing=() p sudo=
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    # wine32 is a package of the i386 architecture.
    if [[ " ${missing[*]}" == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    # Quiet unless it fails: then apt's own words say why.
    local log status=0
    log=$(mktemp)
    { $sudo apt-get update -qq &&
      $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    } >"$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return "$status"
}

# i686 when this machine runs 32-bit programs: the installed 32-bit Wine loader is
# started for real, since a kernel without 32-bit support refuses to execute it.
build_arch() {
    if [ -n "${VELKIS_ARCH:-}" ]; then
        echo "$VELKIS_ARCH"
    elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo i686
    else
        echo "This machine's kernel runs no 32-bit programs: building and testing the 64-bit build instead." >&2
        echo x86_64
    fi
}

build_all() {
    local src=$1 build=$2 arch toolchain configured=
    install_missing $DEVICE_PACKAGES $I686_PACKAGES
    arch=$(build_arch)
    [ "$arch" = x86_64 ] && install_missing $X86_64_PACKAGES
    toolchain="$src/cmake/mingw-w64-$arch.cmake"
    [ -f "$toolchain" ] || { echo "no toolchain for '$arch'" >&2; return 1; }
    if [ -f "$build/CMakeCache.txt" ]; then
        configured=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")
        # A tree of another toolchain is made again from nothing, prefix included.
        if [ "$(basename "${configured:-none}")" != "$(basename "$toolchain")" ]; then
            echo "$build was configured with $(basename "${configured:-no toolchain}"): building it afresh for $arch"
            rm -rf "$build"
        fi
    fi
    if [ ! -f "$build/build.ninja" ]; then
        # ccache, where a developer installed it, spares rebuilds across checkouts.
        local launcher=
        command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
        cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" $launcher >/dev/null
    fi
    cmake --build "$build"
}
