#!/usr/bin/env bash
# Tries the README's two commands as a new user would: makes a fresh minimal
# Debian root with debootstrap, clones this repository's committed HEAD into
# it, and inside it runs ./build.sh run, then ./build.sh test, then the test
# command again with nothing changed, timing each. No locale, no display, no
# sudo: as on a fresh machine. Mounts are undone on every exit.
#   tools/fresh_debian_check.sh bookworm|trixie [ROOT]
# Needs root. ROOT defaults to /var/tmp/varnel-fresh-RELEASE and is made anew.
set -euo pipefail
cd "$(dirname "$0")/.."

release=${1:-}
case "$release" in
bookworm | trixie) ;;
*)
    echo "usage: $0 bookworm|trixie [ROOT]" >&2
    exit 2
    ;;
esac
root=${2:-/var/tmp/varnel-fresh-$release}
if [ "$(id -u)" -ne 0 ]; then
    echo "fresh_debian_check: debootstrap and chroot need root" >&2
    exit 1
fi
tools/install_packages.sh debootstrap git

fail() {
    echo "fresh_debian_check ($release): $*" >&2
    exit 1
}

unmount_all() {
    local mount
    # Deepest first; lazily, so a process still inside cannot keep one.
    for mount in $(awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r); do
        umount -l "$mount" 2>/dev/null || true
    done
}
trap unmount_all EXIT
trap 'exit 130' INT TERM

unmount_all
rm -rf "$root"
mkdir -p "$root"
start=$(date +%s)
debootstrap --variant=minbase "$release" "$root" http://deb.debian.org/debian >"$root.debootstrap.log" 2>&1 \
    || fail "debootstrap failed; its log is $root.debootstrap.log"
echo "== $release root made in $(($(date +%s) - start)) s"

cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" || fail "cannot mount /proc"
mount -t sysfs sysfs "$root/sys" || fail "cannot mount /sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" || fail "cannot mount /dev"

git clone --quiet . "$root/root/varnel" || fail "git clone failed"

inside() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/varnel && $1"
}

times=()
for step in "./build.sh run" "./build.sh test" "./build.sh test"; do
    echo "== $release: $step"
    start=$(date +%s)
    inside "$step" || fail "'$step' failed"
    times+=("$step: $(($(date +%s) - start)) s")
done
echo "== $release passed: ${times[*]}"
