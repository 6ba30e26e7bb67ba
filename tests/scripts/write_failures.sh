# Sourced by the sheet's file tests, on Linux and under Wine: a count of
# failures, and check_write_failures, which makes a write fail the three
# ways a user meets (a full disk, a read-only folder, a vanished one) and
# checks that the program says so in one line naming the file, exits with
# status 4 and leaves the old file as it was. The caller sets `work`.
#
# A tmpfs of our own, in a mount namespace of our own where one can be had:
# as root directly, otherwise as root of a new user namespace. In a chroot
# neither can be (its root is no mount point); root mounts there directly,
# and each run ends by taking its mount away.
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
if [ "$(id -u)" -ne 0 ]; then
    namespace=(unshare -rm)
elif unshare -m true 2>/dev/null; then
    namespace=(unshare -m)
else
    namespace=()
fi

# check_write_failures FORMAT FULL_SIZE RUN SAID NAMED
#   RUN    shell text that writes sheet.FORMAT to $dir/$target inside the
#          namespace ($wintarget: the target with Windows' backslashes),
#          its standard error to $err
#   SAID   a command that keeps the program's own lines of its standard error
#   NAMED  how the message must begin, before ": ", with DIR and TARGET
#          for the folder and the target, and WINTARGET for the target
#          with Windows' backslashes
check_write_failures() {
    local format=$1 size=$2 run=$3 said=$4 named=$5
    local row kind mount after dir target report status before kept listing err lines
    for row in "full disk|mount -t tmpfs -o size=$size tmpfs \$dir|" \
        "read-only folder|mount -t tmpfs -o size=1m tmpfs \$dir|mount -o remount,ro \$dir" \
        "vanished folder|mount -t tmpfs -o size=1m tmpfs \$dir|rm -rf \$dir/gone"; do
        IFS='|' read -r kind mount after <<<"$row"
        dir=$work/mnt-$format-${kind// /-}
        mkdir -p "$dir"
        target=sheet.$format
        [ "$kind" = "vanished folder" ] && target=gone/sheet.$format
        # The old file, its checksum, the run, the checksum again, and what
        # the folder holds, all inside the namespace.
        report=$("${namespace[@]}" bash -c "
            dir='$dir'; target='$target'; wintarget='${target//\//\\}'; err='$work/err-$format'
            $mount || exit 99
            mkdir -p \$dir/gone
            head -c 6000 /dev/urandom > \$dir/\$target
            before=\$(sha256sum < \$dir/\$target)
            $after
            $run
            status=\$?
            kept=\$({ sha256sum < \$dir/\$target; } 2>/dev/null || echo none)
            echo \"\$status|\$before|\$kept|\$(ls -A \$dir | tr '\n' ' ')\"
            umount -l \$dir")
        IFS='|' read -r status before kept listing <<<"$report"
        err=$($said <"$work/err-$format" 2>/dev/null)
        lines=$(printf '%s\n' "$err" | grep -c .)
        echo "$format, $kind: exit $status; old file $before -> $kept; folder: $listing; said: $err"
        if [ "$status" = 99 ]; then
            fail "$format, $kind: cannot mount a tmpfs here"
            continue
        fi
        [ "$status" = 4 ] || fail "$format, $kind: exit $status, not 4"
        [ "$lines" = 1 ] || fail "$format, $kind: $lines lines on standard error: $err"
        local expected=${named//DIR/$dir}
        expected=${expected//WINTARGET/${target//\//\\}}
        expected=${expected//TARGET/$target}
        [ "${err#"$expected: "}" != "$err" ] || fail "$format, $kind: the message does not begin '$expected: ': $err"
        if [ "$kind" = "vanished folder" ]; then
            [ "$kept" = none ] || fail "$format, $kind: a file appeared"
        else
            [ "$before" = "$kept" ] || fail "$format, $kind: the old file changed"
            [ "$listing" = "gone sheet.$format " ] || fail "$format, $kind: left in the folder: $listing"
        fi
    done
}
