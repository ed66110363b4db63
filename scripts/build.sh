# Sourced: installs the packages the build and tests need, configures and builds.
#   build_all SOURCE_DIR BUILD_DIR

DEVICE_PACKAGES="cmake fonts-wine ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 xvfb xauth x11-apps clang libclang-rt-14-dev python3"

install_missing() {
    local missing=() p
    for p in $DEVICE_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_all() {
    local src=$1 build=$2
    install_missing
    if [ ! -f "$build/build.ninja" ]; then
        # ccache, where a developer installed it, spares rebuilds across checkouts.
        local launcher=
        command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
        cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" $launcher >/dev/null
    fi
    cmake --build "$build"
}
