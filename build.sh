#!/usr/bin/env bash
# Set-up, build and run in one step, on Debian 12 or newer.
#   ./build.sh run    install what is missing, build, start varnel
#   ./build.sh test   install what is missing, build, run every test: a normal
#                     build, an AddressSanitizer/UBSan build, the start-up
#                     budget, the aarch64 core under qemu-user, the Windows
#                     core under Wine, a short fuzz run, and the release
#                     files built twice to the same bytes, the arm64
#                     package then run as a Raspberry Pi runs it
# Both are safe to repeat, in either order, and quick when nothing changed.
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

# A minimal system has no locale set; tools then print warnings about an
# ASCII locale that look like errors. C.UTF-8 is always there.
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
    export LC_ALL=C.UTF-8
fi

# qt6-wayland: the window opens natively in a Wayland session.
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-wayland fonts-liberation doctest-dev
    nlohmann-json3-dev)
# The Windows programs are x86-64 ones, run under Wine, and the aarch64 build
# runs under qemu-user: both only where this machine is an x86-64 one.
machine=$(uname -m)
if [ "$mode" = test ]; then
    packages+=(clang-format desktop-file-utils appstream clang libclang-rt-dev locales poppler-utils qpdf mupdf-tools
        librsvg2-bin libxml2-utils fonts-urw-base35 lintian
        dpkg-dev weston valgrind time xvfb xauth libx11-dev libxdamage-dev git)
    if [ "$machine" = x86_64 ]; then
        packages+=(g++-mingw-w64-x86-64-posix wine wine64 nsis xdotool x11-apps g++-aarch64-linux-gnu qemu-user)
        # The Raspberry Pi's package: Debian's arm64 Qt, with arm64 added
        # as a foreign architecture, to build against and run it under qemu.
        packages+=(qt6-base-dev:arm64 qt6-svg-dev:arm64 qt6-wayland:arm64)
    fi
fi
# Each stage's wall time, printed at the end (or where the run stopped): a
# run that grew slow shows where.
timings=()
stage_start=$SECONDS
stage_done() {
    timings+=("$(printf '%6d s  %s' $((SECONDS - stage_start)) "$1")")
    stage_start=$SECONDS
}
print_timings() {
    [ ${#timings[@]} -gt 0 ] || return 0
    echo "build.sh: where the time went:"
    printf '  %s\n' "${timings[@]}"
    echo "  $(printf '%6d s' "$SECONDS")  in all"
}

tools/install_packages.sh "${packages[@]}"
stage_done "installing what was missing"

configure() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null || {
        echo "build.sh: configuring the $preset build failed" >&2
        exit 1
    }
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

if [ "$mode" = run ]; then
    [ -f build/default/CMakeCache.txt ] || configure default
    cmake --build --preset default --target varnel varnel-calc varnel-sheet
    if display_reachable; then
        exec build/default/app/varnel
    fi
    echo "No graphical display is reachable, so varnel cannot open its window; here is the 137.5 MHz design from varnel-calc:"
    exec build/default/app/varnel-calc 137.5
fi

windows=
finish() {
    # A stage that failed leaves no Wine tests running behind it.
    [ -z "$windows" ] || kill -- "$windows" 2>/dev/null || true
    print_timings
}
trap finish EXIT
# Configured afresh each time (quick when nothing changed), so a tool that a
# run before installed is found now, and a missing one fails loudly. The
# default build also holds the benchmarks: start-up is held to its budget
# (callgrind, under a private Xvfb) on the programs as the release
# optimises them.
configure default -DVARNEL_REQUIRE_ALL_TESTS=ON -DVARNEL_BUILD_BENCH=ON
cmake --build --preset default
stage_done "default: configure and build"

# The Windows tests under Wine mostly wait for Wine, so they run in the
# background from here on, beside the stages that keep the CPU busy; those
# build at a lower priority, so that Wine gets its turn when it wakes.
# varnel-calc.exe and varnel-sheet.exe are checked against the default
# build's.
if [ "$machine" = x86_64 ]; then
    configure windows -DVARNEL_REQUIRE_ALL_TESTS=ON
    cmake --build --preset windows
    stage_done "windows: configure and build"
    windows_log=build/windows/ctest.log
    ctest --preset windows >"$windows_log" 2>&1 &
    windows=$!
else
    echo "build.sh: this is an $machine machine: the Windows tests (x86-64 programs under Wine) are left out here," \
        "and the builds below are its own $machine tests"
fi
busy=(nice -n 10)

"${busy[@]}" ctest --preset default
stage_done "default: tests, start-up budget among them"

configure asan -DVARNEL_REQUIRE_ALL_TESTS=ON
"${busy[@]}" cmake --build --preset asan
stage_done "asan: configure and build"
"${busy[@]}" ctest --preset asan
stage_done "asan: tests"

if [ "$machine" = x86_64 ]; then
    # The core, varnel-calc and their tests for aarch64 (a Raspberry Pi's
    # 64-bit system), cross-built and run under qemu-user; its varnel-calc
    # is checked against this machine's own (the presets name it).
    configure aarch64 -DVARNEL_REQUIRE_ALL_TESTS=ON
    "${busy[@]}" cmake --build --preset aarch64
    stage_done "aarch64: configure and build"
    "${busy[@]}" ctest --preset aarch64
    stage_done "aarch64: tests under qemu-user"
fi

configure fuzz
"${busy[@]}" cmake --build --preset fuzz
stage_done "fuzz: configure and build"
# Bounded libFuzzer runs, side by side: the compute path and both tools' command
# lines (VARNEL_FUZZ_SECONDS each, default 60).
fuzz_status=0
"${busy[@]}" ctest --preset fuzz || fuzz_status=$?
stage_done "fuzz runs"
windows_status=0
if [ -n "$windows" ]; then
    wait "$windows" || windows_status=$?
    windows=
    cat "$windows_log"
    stage_done "waiting for the rest of the Windows tests under Wine"
fi
if [ "$fuzz_status" -ne 0 ] || [ "$windows_status" -ne 0 ]; then
    [ "$fuzz_status" -eq 0 ] || echo "build.sh: the fuzz run failed" >&2
    [ "$windows_status" -eq 0 ] || echo "build.sh: the Windows tests under Wine failed" >&2
    exit 1
fi

# The release files of this commit, built twice in clean clones, must be the
# same bytes, and the arm64 package runs as a Pi runs it (once per commit).
tools/release_check.sh
stage_done "release files built twice, the arm64 package run"
