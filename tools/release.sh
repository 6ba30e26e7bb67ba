#!/usr/bin/env bash
# Builds the release files of the commit checked out here, in a clean clone
# of it, and writes their checksums:
#   tools/release.sh [OUT]        OUT defaults to build/release-files
# OUT then holds the Debian packages (this machine's and, on an x86-64 one,
# the Raspberry Pi's arm64 one), the Windows installer, the portable zip,
# the source archive and SHA256SUMS. Every time inside them is the last
# commit's (SOURCE_DATE_EPOCH), no path of the build folder reaches them, and
# the tools run in one locale and time zone, so the same commit gives the
# same bytes in any folder, at any time: anyone can build it again and
# compare with `sha256sum -c SHA256SUMS`.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
out=${1:-build/release-files}
case "$out" in
/*) ;;
*) out="$top/$out" ;;
esac

fail() {
    echo "release: $*" >&2
    exit 1
}

# On an x86-64 machine the Raspberry Pi's arm64 package is cross-built, with
# Debian's arm64 Qt through multiarch; an arm64 machine's own package is one.
cross_arm64=()
if [ "$(uname -m)" = x86_64 ]; then
    cross_arm64=(g++-aarch64-linux-gnu qt6-base-dev:arm64 qt6-svg-dev:arm64)
fi
tools/install_packages.sh git cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev nlohmann-json3-dev \
    dpkg-dev file g++-mingw-w64-x86-64-posix nsis "${cross_arm64[@]}"
git rev-parse --git-dir >/dev/null 2>&1 || fail "$top is not a git checkout: release files are made of a commit"
commit=$(git rev-parse HEAD)
if [ -n "$(GIT_OPTIONAL_LOCKS=0 git status --porcelain --untracked-files=no)" ]; then
    echo "release: building commit ${commit:0:12}; the uncommitted changes here are not in it" >&2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/varnel-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
source="$work/varnel"
git clone --quiet --no-checkout "$top" "$source"
git -C "$source" checkout --quiet --detach "$commit"

SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# The zip's DOS times are local times, and the tools' words and sort orders
# follow the locale: one of each for every build.
export TZ=UTC LC_ALL=C.UTF-8
umask 022

quietly() {
    local log="$work/step.log"
    "$@" >"$log" 2>&1 || {
        cat "$log" >&2
        fail "failed: $*"
    }
}

echo "release: commit ${commit:0:12}, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
(cd "$source" && quietly cmake --preset release)
quietly cmake --build "$source/build/release"
(cd "$source/build/release" && quietly cpack -G DEB)
if [ ${#cross_arm64[@]} -gt 0 ]; then
    (cd "$source" && quietly cmake --preset release-arm64)
    quietly cmake --build "$source/build/release-arm64"
    (cd "$source/build/release-arm64" && quietly cpack -G DEB)
fi
(cd "$source" && quietly cmake --preset release-windows)
quietly cmake --build "$source/build/release-windows" --target installer portable_zip

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$source/build/release/CMakeCache.txt")
[ -n "$version" ] || fail "no version in the release build's cache"
# git archive takes every file's time from the commit; gzip -n adds none.
git -C "$source" archive --format=tar --prefix="varnel-$version/" "$commit" | gzip -9n >"$work/varnel-$version.tar.gz"

files=("$source/build/release/varnel_${version}_"*.deb
    ${cross_arm64[@]:+"$source/build/release-arm64/varnel_${version}_arm64.deb"}
    "$source/build/release-windows/packaging/windows/varnel-$version-setup.exe"
    "$source/build/release-windows/packaging/windows/varnel-$version-win64.zip"
    "$work/varnel-$version.tar.gz")
mkdir -p "$out"
rm -f "$out/SHA256SUMS"
for file in "${files[@]}"; do
    [ -f "$file" ] || fail "$file was not made"
    cp "$file" "$out/"
done
(cd "$out" && sha256sum -- "${files[@]##*/}" >SHA256SUMS)
echo "release: the files are in $out:"
cat "$out/SHA256SUMS"
