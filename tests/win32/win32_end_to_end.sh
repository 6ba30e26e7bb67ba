#!/bin/sh
# varnel.exe as a user meets it: started under Wine, on a Wine desktop in a
# private X server, a frequency typed and COMPUTE clicked with real X events,
# a result read back, the companion windows opened, and screenshots of the
# main and notes windows saved (as X window dumps).
#   win32_end_to_end.sh WINE VARNEL_EXE READ_FIELD_EXE OUTPUT_FOLDER
set -u
wine=$1
varnel=$2
ask=$3
out=$4
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill "$program" "$server" 2>/dev/null; wait "$program" "$server" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../../tools/private_xvfb.sh"
start_private_xvfb "$work" || exit 1

# Wine's own desktop draws the windows' frames and gives them the focus, as
# a Windows desktop does; its screen is the X server's, from 0,0. Every Wine
# program of this test runs on it, so the helper finds varnel's windows.
explorer='HKCU\Software\Wine\Explorer'
"$wine" reg add "$explorer" /v Desktop /d varnel /f >/dev/null 2>&1
"$wine" reg add "$explorer\Desktops" /v varnel /d 1024x768 /f >/dev/null 2>&1
trap 'kill "$program" "$server" 2>/dev/null; wait "$program" "$server" 2>/dev/null
      "$wine" reg delete "$explorer" /v Desktop /f >/dev/null 2>&1; rm -rf "$work"' EXIT
"$wine" "$varnel" >"$work/wine.log" 2>&1 &
program=$!

# Waits for the window titled $1 and prints its rectangle.
await() {
    for _ in $(seq 150); do
        "$wine" "$ask" "$1" 2>/dev/null && return 0
        sleep 0.2
    done
    echo "win32_end_to_end: no window titled $1" >&2
    return 1
}
# Clicks the centre of control $2 of the window titled $1.
click() {
    point=$("$wine" "$ask" "$1" "$2" at 2>/dev/null | tr -d '\r')
    xdotool mousemove $point click "${3:-1}"
}
value() {
    "$wine" "$ask" "$1" "$2" 2>/dev/null | tr -d '\r'
}
# Waits up to ten seconds for control $2 of window $1 to read $3: Wine
# handles the X events in its own time, slower on a loaded machine.
reads() {
    for _ in $(seq 50); do
        [ "$(value "$1" "$2")" = "$3" ] && return 0
        sleep 0.2
    done
    echo "win32_end_to_end: $2 reads '$(value "$1" "$2")', not '$3'" >&2
    return 1
}

await VAR-NEL >/dev/null || exit 1
sleep 1
xwd -root -out "$out/main-window.xwd"
click VAR-NEL Text3
xdotool key End shift+Home
xdotool type --delay 30 "435"
failed=0
reads VAR-NEL Text3 435 || failed=1
click VAR-NEL Command1
reads VAR-NEL Text10 75.23 || failed=1
sleep 0.5 # the last fields' repaint
xwd -root -out "$out/main-window-435.xwd"

click VAR-NEL Command2
await notes >/dev/null || exit 1
sleep 1
xwd -root -out "$out/notes-window.xwd"
# Closed as a user closes it, so that the main window's WEBSITE shows again.
xdotool key alt+F4
sleep 1
click VAR-NEL Command3
await "Web Page Link" >/dev/null || exit 1
case "$(value "Web Page Link" lblWebPage)" in
https://* | http://*) ;;
*) echo "win32_end_to_end: the link shows no address" >&2 && failed=1 ;;
esac
exit "$failed"
