#!/usr/bin/env bash
# Set-up, build and run in one step, on Debian 12 or newer.
#   ./build.sh run    install what is missing, build, start varnel
#   ./build.sh test   install what is missing, build, run every test: a normal
#                     build, an AddressSanitizer/UBSan build and a short fuzz run
# Both are safe to repeat and quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools fonts-liberation)
[ "$mode" = test ] && packages+=(clang-format desktop-file-utils appstream clang libclang-rt-dev)

missing=()
for package in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]} ..."
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build() {
    local preset=$1
    [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

# A display is reachable when its socket is there (or it is a remote one).
display_reachable() {
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        case "$WAYLAND_DISPLAY" in
        /*) [ -S "$WAYLAND_DISPLAY" ] && return 0 ;;
        *) [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/$WAYLAND_DISPLAY" ] && return 0 ;;
        esac
    fi
    if [ -n "${DISPLAY:-}" ]; then
        case "$DISPLAY" in
        :*)
            local number=${DISPLAY#:}
            number=${number%%.*}
            [ -S "/tmp/.X11-unix/X$number" ] && return 0
            ;;
        *) return 0 ;;
        esac
    fi
    return 1
}

build default
if [ "$mode" = run ]; then
    if display_reachable; then
        exec build/default/app/varnel
    fi
    echo "No graphical display is reachable, so varnel cannot open its window; here is the 137.5 MHz design from varnel-calc:"
    exec build/default/varnel-calc 137.5
fi

ctest --preset default
build asan
ctest --preset asan
# A bounded libFuzzer run over the compute path (VARNEL_FUZZ_SECONDS, default 60).
build fuzz
ctest --preset fuzz
