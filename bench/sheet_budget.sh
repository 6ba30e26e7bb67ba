#!/bin/sh
# Holds a PDF build sheet to its budget, beside varnel-calc for the same
# frequency: instructions from exec to exit (callgrind) and peak resident
# memory (GNU time). Fails when the sheet passes either bound.
#   sheet_budget.sh SHEET CALC MAX_INSTRUCTIONS MAX_KILOBYTES
set -u
sheet=$1
calc=$2
max_instructions=$3
max_kilobytes=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=1765238400

instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" >/dev/null 2>"$work/valgrind.log" ||
        return 1
    sed -n 's/^summary: *//p' "$work/callgrind.out"
}
peak() {
    /usr/bin/time -f %M -o "$work/time" "$@" >/dev/null 2>&1 || return 1
    tail -n 1 "$work/time"
}

status=0
printf '%-34s %14s %12s\n' "137.5 MHz" instructions "peak memory"
for row in "varnel-sheet, PDF|$sheet 137.5 -o $work/sheet.pdf" "varnel-sheet, SVG|$sheet 137.5 -o $work/sheet.svg" \
    "varnel-calc, text|$calc 137.5"; do
    name=${row%%|*}
    command=${row#*|}
    # shellcheck disable=SC2086 # the command's words
    count=$(instructions $command) || {
        echo "sheet_budget: $name failed under callgrind" >&2
        status=1
        continue
    }
    # shellcheck disable=SC2086
    kilobytes=$(peak $command) || {
        echo "sheet_budget: $name failed" >&2
        status=1
        continue
    }
    printf '%-34s %14s %9s KB\n' "$name" "$count" "$kilobytes"
    if [ "$name" = "varnel-sheet, PDF" ]; then
        [ "$count" -le "$max_instructions" ] || {
            echo "sheet_budget: a PDF sheet takes $count instructions, above $max_instructions" >&2
            status=1
        }
        [ "$kilobytes" -le "$max_kilobytes" ] || {
            echo "sheet_budget: a PDF sheet takes $kilobytes KB, above $max_kilobytes" >&2
            status=1
        }
    fi
done
exit $status
