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
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
export SOURCE_DATE_EPOCH=1765238400 LC_ALL=C.UTF-8
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

# The drives' tests run with a Wine of their own, in a mount namespace of
# their own where one can be had: the tmpfs is seen only there, so the Wine
# server must start there too. Its prefix is the tests' one, linked, not
# copied; Wine replaces its registry files, never writes into them.
cp -al "$WINEPREFIX" "$work/prefix"
export WINEPREFIX="$work/prefix"
if [ "$(id -u)" -ne 0 ]; then
    namespace=(unshare -rm)
elif unshare -m true 2>/dev/null; then
    namespace=(unshare -m)
else
    namespace=()
fi

for format in pdf svg; do
    for row in "full drive|mount -t tmpfs -o size=12k tmpfs \$dir|" \
        "read-only drive|mount -t tmpfs -o size=1m tmpfs \$dir|mount -o remount,ro \$dir" \
        "vanished folder|mount -t tmpfs -o size=1m tmpfs \$dir|rm -rf \$dir/gone"; do
        IFS='|' read -r kind mount after <<<"$row"
        dir=$work/mnt-$format-${kind// /-}
        mkdir -p "$dir"
        target=sheet.$format
        [ "$kind" = "vanished folder" ] && target='gone\sheet.'$format
        unix_target=${target//\\//}
        report=$("${namespace[@]}" bash -c "
            dir='$dir'; $mount || exit 99
            ln -sfn \$dir '$WINEPREFIX/dosdevices/t:'
            mkdir -p \$dir/gone
            head -c 6000 /dev/urandom > \$dir/$unix_target
            before=\$(sha256sum < \$dir/$unix_target)
            $after
            '$wine' '$sheet' 137.5 -o 't:\\$target' 2> '$work/err-$format'; status=\$?
            wineserver -k 2>/dev/null
            after=\$({ sha256sum < \$dir/$unix_target; } 2>/dev/null || echo none)
            echo \"\$status|\$before|\$after|\$(ls -A \$dir | tr '\n' ' ')\"
            rm -f '$WINEPREFIX/dosdevices/t:'
            umount -l \$dir")
        IFS='|' read -r status before after listing <<<"$report"
        err=$(own <"$work/err-$format")
        lines=$(printf '%s\n' "$err" | grep -c .)
        echo "$format, $kind: exit $status; old file $before -> $after; folder: $listing; said: $err"
        if [ "$status" = 99 ]; then
            fail "$format, $kind: cannot mount a tmpfs here"
            continue
        fi
        [ "$status" = 4 ] || fail "$format, $kind: exit $status, not 4"
        [ "$lines" = 1 ] || fail "$format, $kind: $lines lines on standard error: $err"
        case "$err" in "varnel-sheet: t:\\$target: "*) ;; *) fail "$format, $kind: the message names no file: $err" ;; esac
        if [ "$kind" = "vanished folder" ]; then
            [ "$after" = none ] || fail "$format, $kind: a file appeared"
        else
            [ "$before" = "$after" ] || fail "$format, $kind: the old file changed"
            [ "$listing" = "gone sheet.$format " ] || fail "$format, $kind: left in the folder: $listing"
        fi
    done
done
rm -rf "$work/prefix"

[ "$failures" = 0 ] && echo "varnel-sheet.exe's files: every check passed"
exit $((failures > 0))
