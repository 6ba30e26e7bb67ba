#!/usr/bin/env bash
# Builds the release files of the commit checked out here twice, each time
# in its own clean clone, in folders of different names and depths and at
# different times, and fails unless the two SHA256SUMS are the same; then
# checks the arm64 package as a Raspberry Pi would install and run it:
#   tools/release_check.sh
# A commit that passed once is not built again; the record is kept in
# build/release-check.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "release_check: $*" >&2
    exit 1
}

# The arm64 package is then run as a Pi runs it: under qemu-user here, in a
# headless Weston.
checkers=(git weston)
[ "$(uname -m)" = aarch64 ] || checkers+=(qemu-user)
tools/install_packages.sh "${checkers[@]}"
# A source archive unpacked has no commit to make release files of.
if ! commit=$(git rev-parse --verify --quiet HEAD 2>/dev/null); then
    echo "release_check: $PWD is no git checkout, so there is no commit to build release files of; left out"
    exit 0
fi
record=build/release-check
if [ -f "$record/passed-$commit" ]; then
    echo "release_check: commit ${commit:0:12} gave the same release files twice before; not built again"
    exit 0
fi

rm -rf "$record"
mkdir -p "$record"
first="$record/first"
second="$record/second/one/level/deeper"
# Each build clones into a folder of its own, of another name and depth.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/a" "$scratch/b/another/folder/deeper"
start=$SECONDS
TMPDIR="$scratch/a" tools/release.sh "$first" || fail "the first build failed"
echo "release_check: the first build took $((SECONDS - start)) s"
start=$SECONDS
TMPDIR="$scratch/b/another/folder/deeper" tools/release.sh "$second" || fail "the second build failed"
echo "release_check: the second build took $((SECONDS - start)) s"

if ! diff "$first/SHA256SUMS" "$second/SHA256SUMS"; then
    fail "two builds of commit ${commit:0:12} differ (above); compare $first and $second with diffoscope"
fi
echo "release_check: two clean builds of commit ${commit:0:12} gave the same bytes:"
cat "$first/SHA256SUMS"
arm64=$(sed -n 's/^[0-9a-f]*  \(varnel_.*_arm64\.deb\)$/\1/p' "$first/SHA256SUMS")
[ -n "$arm64" ] || fail "the release files hold no arm64 package"
tools/arm64_package_check.sh "$first/$arm64" build/default/app "$record/arm64" ||
    fail "the arm64 package does not run as a Raspberry Pi would run it"
touch "$record/passed-$commit"
