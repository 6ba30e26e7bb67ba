#!/usr/bin/env bash
# Start-up and compute benchmarks, each against its baseline in the same run.
#   bench/run.sh [RUNS]     (default 40 start-ups of each program)
# Needs the packages of ./build.sh plus xvfb, libx11-dev and libxdamage-dev,
# which it installs when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-40}

tools/install_packages.sh xvfb xauth valgrind time libx11-dev libxdamage-dev cmake ninja-build g++ qt6-base-dev \
    qt6-base-dev-tools qt6-svg-dev fonts-liberation doctest-dev nlohmann-json3-dev

[ -f build/bench/CMakeCache.txt ] || cmake --preset bench >/dev/null
cmake --build --preset bench

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "== start-up: varnel (A) against a minimal Qt Widgets window (B), private Xvfb"
# A runtime folder of its own, as a desktop session gives, so Qt says nothing.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
server=
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
. tools/private_xvfb.sh
start_private_xvfb "$XDG_RUNTIME_DIR"
build/bench/bench/startup_probe "$runs" build/bench/app/varnel build/bench/bench/varnel-baseline

echo "== compute"
QT_QPA_PLATFORM=offscreen build/bench/bench/bench_compute

echo "== the build sheet beside varnel-calc"
sh bench/sheet_budget.sh build/bench/app/varnel-sheet build/bench/app/varnel-calc 10000000 8192
