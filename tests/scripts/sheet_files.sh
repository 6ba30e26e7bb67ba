#!/usr/bin/env bash
# varnel-sheet's files as a user meets them: written whole or the old one
# kept (a full disk, a read-only folder, a vanished one), the same bytes for
# the same SOURCE_DATE_EPOCH, a file name taken byte for byte, and the whole
# gap note on the page, read back by pdftotext.
#   sheet_files.sh SHEET PDFTOTEXT WORK
set -u
sheet=$1
pdftotext=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
export SOURCE_DATE_EPOCH=1765238400 LC_ALL=C.UTF-8
. "$(dirname "$0")/write_failures.sh"

for format in pdf svg png; do
    check_write_failures "$format" 24k "'$sheet' 137.5 -o \$dir/\$target 2> \$err" cat "varnel-sheet: DIR/TARGET"
done

# The same sheet twice, in every format: the same bytes. Then the date's
# own rule: whole seconds, up to the year 9999 (empty is as unset).
for format in pdf svg png; do
    for paper in a4 letter; do
        "$sheet" --page $paper 435 -o "$work/one.$format" 2>/dev/null || fail "$format: the first sheet failed"
        sleep 1
        "$sheet" --page $paper 435 -o "$work/two.$format" 2>/dev/null || fail "$format: the second sheet failed"
        cmp -s "$work/one.$format" "$work/two.$format" || fail "$format on $paper: two runs differ"
        echo "$format on $paper, twice: $(sha256sum "$work/one.$format" "$work/two.$format" | cut -c1-16 | tr '\n' ' ')"
    done
done
for value in 99999999999999 1.5 -1 " 1"; do
    err=$(SOURCE_DATE_EPOCH=$value "$sheet" 137.5 -o "$work/date.pdf" 2>&1 >/dev/null)
    status=$?
    first=${err%%$'\n'*}
    [ "$status" = 2 ] || fail "SOURCE_DATE_EPOCH='$value': exit $status, not 2"
    case "$first" in "varnel-sheet: SOURCE_DATE_EPOCH must be"*) ;; *) fail "SOURCE_DATE_EPOCH='$value': $err" ;; esac
    [ ! -e "$work/date.pdf" ] || fail "SOURCE_DATE_EPOCH='$value': a file was written"
done
"$pdftotext" "$work/one.pdf" - | grep -q "varnel [^ ]*, 2025-12-09\. Page 1 of" || fail "the footer lacks the epoch's date"

# A file name is bytes, whatever the locale makes of them.
name=$(printf 'f\374r.pdf')
"$sheet" 137.5 -o "$work/$name" || fail "a Latin-1 file name was refused"
[ -f "$work/$name" ] || fail "the Latin-1 file name was changed: $(ls "$work" | grep '^f' | od -c | head -2)"

# The whole gap note, on every paper, with and without the warning band.
note="The gap dimension is the same at the feedpoint and the distance between the vertical elements. This must be maintained at 137.5 mhz and above. For lower and hf frequencies, the feed gap may be reduced to a reasonable amount to reach with the coax. The amount you remove from the gap must be added onto the two end pieces at the feed side of the antenna to maintain the correct perimeter and vertical element gap."
for frequency in 137.5 435 1296 10000; do
    for paper in a4 letter; do
        "$sheet" --page $paper "$frequency" -o "$work/note.pdf" 2>/dev/null || fail "$frequency: no sheet"
        text=$("$pdftotext" "$work/note.pdf" - | tr -s ' \n\f' '   ')
        case "$text" in *"$note"*) ;; *) fail "$frequency on $paper: the gap note is not whole" ;; esac
    done
done

[ "$failures" = 0 ] && echo "sheet files: every check passed"
exit $((failures > 0))
