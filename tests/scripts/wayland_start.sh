#!/bin/sh
# The window program on Wayland, in a headless Weston of its own: it must
# start natively (no X display is there), title its window, paint it, and
# say nothing on standard error.
#   wayland_start.sh VARNEL WESTON [SECONDS]
# SECONDS (default 4) is how long it must stay up; an emulated one needs more.
set -u
varnel=$1
weston=$2
seconds=${3:-4}
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime "$weston" --backend=headless-backend.so --use-pixman --socket=varnel-test \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
    [ -S "$runtime/varnel-test" ] && break
    sleep 0.1
done
[ -S "$runtime/varnel-test" ] || { cat "$runtime/weston.log"; echo "weston did not start" >&2; exit 1; }

# The timeout ends it: status 124 means it was still up.
env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=varnel-test \
    WAYLAND_DEBUG=client timeout "$seconds" "$varnel" 2>"$runtime/trace"
status=$?
failed=0
[ "$status" -eq 124 ] || { echo "varnel ended with status $status" >&2; failed=1; }
# WAYLAND_DEBUG's own lines begin with a time in brackets (objects are
# named xdg_toplevel@14, or xdg_toplevel#14 from Wayland 1.23); any other line
# is something varnel or Qt said.
if grep -v '^\[' "$runtime/trace" >&2; then
    echo "varnel wrote the lines above on standard error" >&2
    failed=1
fi
grep -q 'xdg_toplevel[@#][0-9]*\.set_title("VAR-NEL")' "$runtime/trace" ||
    { echo "no window titled VAR-NEL" >&2; failed=1; }
grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer[@#]' "$runtime/trace" || { echo "nothing was painted" >&2; failed=1; }
exit "$failed"
