# Sourced by the scripts that need an X server of their own:
#   start_private_xvfb FOLDER
# starts Xvfb on a display number it picks itself (-displayfd), sets
# `server` to its process and exports DISPLAY; fails when it does not start.
start_private_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>/dev/null &
    server=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=":$(cat "$1/display")"
    export DISPLAY
}
