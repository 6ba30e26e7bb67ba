#!/bin/sh
# Holds start-up to its budget: varnel against the minimal Qt Widgets
# window, in one run, under a private Xvfb. Instructions from exec to the
# first painted frame come from callgrind (the count stops where Qt's
# widgets first paint and flush their window), the peak resident memory at
# first paint from startup_probe, the least of each program's runs. Fails when either ratio passes its bound.
#   startup_budget.sh VARNEL BASELINE PROBE MAX_INSTRUCTION_RATIO MAX_MEMORY_RATIO
set -u
varnel=$1
baseline=$2
probe=$3
max_instructions=$4
max_memory=$5

work=$(mktemp -d)
chmod 700 "$work"
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../tools/private_xvfb.sh"
start_private_xvfb "$work" || exit 1
export XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The same fonts on every machine: what every machine's fontconfig reads at
# start-up grows with each font package installed, and would move the ratio
# with them. The Liberation fonts are the designs', DejaVu Qt's default.
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/liberation</dir>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$work/fontconfig</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE="$work/fonts.conf"
# Once each, unmeasured, so that neither program pays for making the font
# cache. Every file they map is then put into the page cache afresh and
# whole: the kernel maps the cached pages around each one touched, and how
# a file came into the cache (just linked, or read by a loader) decides how
# many; so the figure is the same on a fresh machine, a warm one and just
# after a build.
for program in "$baseline" "$varnel"; do
    timeout 20 "$program" >/dev/null 2>&1 &
    warm=$!
    sleep 2
    awk '$6 ~ /^\// { print $6 }' "/proc/$warm/maps" 2>/dev/null | sort -u >>"$work/mapped"
    kill "$warm" 2>/dev/null
    wait "$warm" 2>/dev/null
done
sort -u "$work/mapped" | while read -r file; do
    sync "$file" 2>/dev/null
    dd if="$file" iflag=nocache count=0 status=none 2>/dev/null
    cat "$file" >/dev/null 2>&1
done

# Instructions to the first painted frame: callgrind dumps its counts when
# the first paint-and-flush returns; the program is then ended.
instructions() {
    out="$work/$(basename "$1").callgrind"
    valgrind --tool=callgrind --dump-after='QWidgetRepaintManager::paintAndFlush*' \
        --callgrind-out-file="$out" "$1" >/dev/null 2>"$out.log" &
    pid=$!
    for _ in $(seq 1200); do
        [ -s "$out.1" ] && grep -q '^totals:' "$out.1" && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$out.1" 2>/dev/null
}
a=$(instructions "$varnel")
b=$(instructions "$baseline")
if [ -z "$a" ] || [ -z "$b" ]; then
    echo "startup_budget: no count of instructions to first paint (varnel '$a', baseline '$b')" >&2
    exit 1
fi

memory=$("$probe" 5 "$varnel" "$baseline") || { echo "startup_budget: $memory" >&2; exit 1; }
least=$(printf '%s\n' "$memory" | sed -n 's/^least peak memory A\/B: //p')
memory_ratio=$(printf '%s\n' "$least" | sed -n 's/.*ratio \([0-9.]*\)$/\1/p')

printf 'instructions to first paint: varnel %s, baseline %s, ratio %s (at most %s)\n' "$a" "$b" \
    "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", a / b }')" "$max_instructions"
printf '%s\n' "$memory" | sed -n '2,4p'
printf 'peak resident memory at first paint, the least of 5 runs each, varnel / baseline: %s (at most %s)\n' "$least" \
    "$max_memory"
awk -v a="$a" -v b="$b" -v m="$memory_ratio" -v mi="$max_instructions" -v mm="$max_memory" 'BEGIN {
    failed = 0
    if (a / b > mi) { print "startup_budget: start-up costs more instructions than its budget"; failed = 1 }
    if (m == "" || m > mm) { print "startup_budget: start-up takes more memory than its budget"; failed = 1 }
    exit failed
}' >&2
