#!/usr/bin/env bash
# varnel-sheet.exe under Wine as a Windows user meets it: its help in
# Windows' words on /?, a file name in any script kept as given, and a file
# written whole or the old one kept, with one line and status 4, on a full
# drive (a drive letter mapped onto a tiny tmpfs), a read-only one and a
# vanished folder.
#   sheet_exe_files.sh WINE SHEET_EXE WORK     (WINEPREFIX set)
set -u
wine=$1
sheet=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
export SOURCE_DATE_EPOCH=1765238400 LC_ALL=C.UTF-8
. "$(dirname "$0")/../scripts/write_failures.sh"
# The program's own lines only: Wine has things to say on standard error too.
own() {
    tr -d '\r' | grep '^varnel-sheet:'
}

help=$("$wine" "$sheet" '/?' 2>/dev/null | tr -d '\r')
case "$help" in *"write PDF or SVG"*"the paper of your"*"Region settings"*) ;;
*) fail "/? does not give the help in Windows' words: $help" ;;
esac
err=$(cd "$work" && "$wine" "$sheet" 137.5 -o sheet.png 2>&1 >/dev/null | own)
[ "$err" = "varnel-sheet: sheet.png: PNG cannot be drawn here; write the sheet as PDF or SVG" ] || fail "PNG: $err"
[ ! -e "$work/sheet.png" ] || fail "PNG: a file was written"

# A name in another script, and one with a blank, as given.
for name in "für Ωmega.pdf" "two words.svg"; do
    (cd "$work" && "$wine" "$sheet" 137.5 -o "$name" 2>/dev/null) || fail "'$name': status $?"
    [ -s "$work/$name" ] || fail "'$name' was not written as named: $(ls "$work")"
done

# The drives' tests run with a Wine of their own, in the mount namespace
# where the tmpfs is seen: the Wine server must start there too. Its
# prefix is the tests' one, linked, not copied; Wine replaces its registry
# files, never writes into them. The folder is the drive T:.
cp -al "$WINEPREFIX" "$work/prefix"
export WINEPREFIX="$work/prefix"
drive="$WINEPREFIX/dosdevices/t:"
for format in pdf svg; do
    check_write_failures "$format" 12k "ln -sfn \$dir '$drive'
            '$wine' '$sheet' 137.5 -o \"t:\\\\\$wintarget\" 2> \$err
            status=\$?
            wineserver -k 2>/dev/null; wineserver -w
            rm -f '$drive'
            (exit \$status)" own 'varnel-sheet: t:\WINTARGET'
done
rm -rf "$work/prefix"

[ "$failures" = 0 ] && echo "varnel-sheet.exe's files: every check passed"
exit $((failures > 0))
