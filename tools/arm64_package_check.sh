#!/usr/bin/env bash
# The arm64 package as a Raspberry Pi with its 64-bit Debian meets it:
# - apt resolves its Depends from Debian's arm64 archive, as on a system
#   with nothing installed yet (this machine's own dpkg state is not read or
#   touched: apt simulates against an empty one);
# - it is unpacked into WORK, and what it holds runs against Debian's arm64
#   libraries (under qemu-user here, natively on an arm64 machine):
#   varnel-calc and varnel-sheet give this machine's own programs' bytes, the
#   sheet's PNG is written through the packaged module, and the window
#   program paints its first frame in a headless Weston, as a Pi's desktop
#   runs it, and is closed.
#   tools/arm64_package_check.sh PACKAGE HOST_PROGRAMS WORK
# HOST_PROGRAMS is the folder with this machine's varnel-calc and
# varnel-sheet (build/default/app).
set -uo pipefail
cd "$(dirname "$0")/.."
package=$1
host=$2
work=$3

fail() {
    echo "arm64_package_check: $*" >&2
    exit 1
}

[ -f "$package" ] || fail "there is no package $package"
for program in varnel-calc varnel-sheet; do
    [ -x "$host/$program" ] || fail "$host/$program is not built; the package's programs are compared with this" \
        "machine's own: cmake --preset default && cmake --build --preset default --target varnel-calc varnel-sheet"
done
rm -rf "$work"
mkdir -p "$work/apt/cache/archives/partial" "$work/apt/lists"
: >"$work/apt/status"

# The Depends as Debian names them: no cross toolchain's package.
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
case "$depends" in *-cross*) fail "the package depends on a cross toolchain's package" ;; esac

# apt reads this machine's lists (arm64 is a foreign architecture here, or
# the native one on an arm64 machine) but an empty status of its own, so
# every package the Pi would need is resolved; a missing or misnamed one
# fails the simulation.
if ! apt-get --simulate -o Debug::NoLocking=true -o Dir::State::status="$work/apt/status" \
    -o Dir::Cache="$work/apt/cache" -o APT::Architecture=arm64 -o APT::Architectures::=arm64 \
    -o APT::Get::List-Cleanup=false install "$(realpath "$package")" >"$work/apt.log" 2>&1; then
    cat "$work/apt.log" >&2
    fail "apt cannot resolve the package's dependencies from the arm64 archive (above)"
fi
grep -q '^Inst varnel ' "$work/apt.log" || { cat "$work/apt.log" >&2; fail "apt would not install varnel"; }
if grep '^Inst ' "$work/apt.log" | grep -vE '\[(arm64|all)\]\)( \[.*\])?$'; then
    fail "apt would install the packages above, which are not arm64 ones"
fi
echo "apt resolves it on an empty arm64 system: $(grep -c '^Inst ' "$work/apt.log") packages, among them" \
    "$(sed -n 's/^Inst \(libc6\|libqt6widgets6\|fonts-liberation\) (\([^ ]*\) .*/\1 \2/p' "$work/apt.log" |
        paste -sd, | sed 's/,/, /g')"

dpkg-deb -x "$package" "$work/root" || fail "dpkg-deb cannot unpack $package"
if grep -rlE 'varnel-release\.|/build/release' "$work/root" >"$work/paths"; then
    cat "$work/paths" >&2
    fail "the files above name a folder of the machine that built them"
fi

run=()
if [ "$(uname -m)" != aarch64 ]; then
    command -v qemu-aarch64 >/dev/null || fail "qemu-aarch64 is missing (Debian: qemu-user)"
    # -L /: Debian's arm64 loader and libraries, installed through multiarch.
    run=(qemu-aarch64 -L /)
fi
bin=$work/root/usr/bin
export LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=1765238400

"${run[@]}" "$bin/varnel-calc" 137.5 >"$work/calc.arm64" 2>&1 || fail "varnel-calc 137.5 failed: $(cat "$work/calc.arm64")"
"$host/varnel-calc" 137.5 >"$work/calc.host" 2>&1
cmp "$work/calc.arm64" "$work/calc.host" || fail "varnel-calc 137.5 differs from this machine's"
echo "varnel-calc 137.5: the same $(wc -c <"$work/calc.host") bytes as this machine's"

for format in pdf png; do
    "${run[@]}" "$bin/varnel-sheet" 137.5 -o "$work/sheet.arm64.$format" ||
        fail "varnel-sheet 137.5 -o sheet.$format failed"
    "$host/varnel-sheet" 137.5 -o "$work/sheet.host.$format" || fail "this machine's varnel-sheet failed"
    cmp "$work/sheet.arm64.$format" "$work/sheet.host.$format" || fail "the $format sheet differs from this machine's"
    echo "varnel-sheet 137.5, $format: $(sha256sum "$work/sheet.arm64.$format" | cut -c1-16) here and" \
        "$(sha256sum "$work/sheet.host.$format" | cut -c1-16) from this machine's"
done
head -c 8 "$work/sheet.arm64.png" | cmp -s - <(printf '\211PNG\r\n\032\n') || fail "the PNG sheet is no PNG file"

# The window program, through a wrapper: the Wayland check starts one
# program by its path.
printf '#!/bin/sh\nexec %s "%s" "$@"\n' "${run[*]}" "$bin/varnel" >"$work/varnel"
chmod +x "$work/varnel"
weston=$(command -v weston) || fail "weston is missing (Debian: weston)"
# Ten seconds: under qemu the first frame comes a second or more after start.
tests/scripts/wayland_start.sh "$work/varnel" "$weston" 10 || fail "the window program did not start and paint"
echo "varnel: started in a headless Weston, titled its window, painted it, said nothing, and was closed"
