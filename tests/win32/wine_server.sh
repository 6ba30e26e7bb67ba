#!/bin/sh
# The Wine servers of the Windows stage, started and stopped by the stage
# itself. A test that starts Wine while a server of an earlier run is still
# exiting fails at once ("Wine did not start"); so each prefix's set-up
# first waits for any such server to be gone, and the console tests, which
# start Wine many times over, share one server that stays up until the
# stage's last test stops it.
#   wine_server.sh start WINE WINESERVER [persistent]   (WINEPREFIX set)
#   wine_server.sh stop WINESERVER PREFIX...
set -u
action=$1
case "$action" in
start)
    wine=$2
    wineserver=$3
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w
    # Wine makes its prefix on first use; once, before the tests share it.
    out=$("$wine" wineboot --init 2>&1) || {
        echo "Wine could not start (wineboot exit $?): $out" >&2
        exit 1
    }
    # The registry reaches the prefix's files when the server exits, and
    # a test may copy the prefix.
    "$wineserver" -w
    if [ "${4:-}" = persistent ]; then
        # Up for the stage; gone ten minutes after its last program even
        # where the stage was cut short before its stop.
        "$wineserver" -p600 </dev/null >/dev/null 2>&1 || {
            echo "the Wine server of $WINEPREFIX did not start" >&2
            exit 1
        }
        # Wine's own services start with the first program and live as
        # long as the server: started here, away from any test's output,
        # which they would otherwise hold open to the end of the stage.
        "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    fi
    ;;
stop)
    wineserver=$2
    shift 2
    for prefix; do
        WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null
        WINEPREFIX=$prefix "$wineserver" -w
    done
    ;;
*)
    echo "usage: wine_server.sh start WINE WINESERVER [persistent] | stop WINESERVER PREFIX..." >&2
    exit 2
    ;;
esac
