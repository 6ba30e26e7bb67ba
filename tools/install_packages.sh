#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing,
# as root or through sudo. Quiet when all is there; on failure one line says
# what failed, apt's own output follows, and the exit status is non-zero.
#   tools/install_packages.sh PACKAGE[:ARCHITECTURE]...
# A package of another architecture (qt6-base-dev:arm64) adds that
# architecture to dpkg's foreign ones first, as multiarch wants.
set -euo pipefail

# With a foreign architecture added, a package may be there for either: the
# one asked for (this machine's own unless named), or one for every
# architecture, counts.
native=$(dpkg --print-architecture)
missing=()
foreign=()
for package in "$@"; do
    wanted=$native
    case "$package" in *:*) wanted=${package##*:} ;; esac
    if ! dpkg-query -W -f='${Architecture} ${Status}\n' "$package" 2>/dev/null |
        grep -qxE "($wanted|all) install ok installed"; then
        missing+=("$package")
        if [ "$wanted" != "$native" ] && ! dpkg --print-foreign-architectures | grep -qx "$wanted" &&
            [[ " ${foreign[*]} " != *" $wanted "* ]]; then
            foreign+=("$wanted")
        fi
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install_packages: ${missing[*]} missing; run as root or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing ${missing[*]} ..."
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for architecture in "${foreign[@]}"; do
    echo "Adding $architecture as a foreign architecture (dpkg --add-architecture) ..."
    if ! "${as_root[@]}" dpkg --add-architecture "$architecture" >>"$log" 2>&1; then
        cat "$log" >&2
        echo "install_packages: dpkg --add-architecture $architecture failed" >&2
        exit 1
    fi
done
# env after sudo: sudo drops variables set before it. Without apt-utils and a
# terminal, debconf chats on standard error; that goes to the log too.
apt() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 apt-get -o Dpkg::Use-Pty=0 "$@" >>"$log" 2>&1
}
if ! apt update -q; then
    cat "$log" >&2
    echo "install_packages: apt-get update failed" >&2
    exit 1
fi
if ! apt install -y -q --no-install-recommends "${missing[@]}"; then
    cat "$log" >&2
    echo "install_packages: apt-get install failed for: ${missing[*]}" >&2
    exit 1
fi
