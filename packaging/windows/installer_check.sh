#!/bin/sh
# The Windows installer as a user's silent install runs it, under Wine: the
# files, the Start-menu entry and the installed-programs entry are there,
# the installed varnel-calc.exe gives the Linux build's numbers, installing
# over an earlier version (made here from the same script, with a file of
# its own) leaves nothing of it, and the uninstaller leaves no file and no
# registry entry behind.
#   installer_check.sh WINE INSTALLER HOST_VARNEL_CALC VERSION MAKENSIS NSI
set -u
wine=$1
installer=$2
host_calc=$3
version=$4
makensis=$5
nsi=$6
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/varnel"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/varnel"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\varnel'
failed=0
fail() {
    echo "installer_check: $*" >&2
    failed=1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An earlier version: 0.9.0, with a file this one no longer has.
echo "from 0.9.0" >"$work/earlier-only.txt"
sed -e "s|^OutFile .*|OutFile \"$work/earlier-setup.exe\"|" \
    -e "s|\"DisplayVersion\" \"$version\"|\"DisplayVersion\" \"0.9.0\"|" \
    -e "/^ *File .*varnel-calc.exe\"/a File \"$work/earlier-only.txt\"" \
    -e '/^ *Delete "$INSTDIR\\varnel-calc.exe"/a Delete "$INSTDIR\\earlier-only.txt"' "$nsi" >"$work/earlier.nsi"
"$makensis" -V1 "$work/earlier.nsi" || fail "makensis could not make the earlier version"
"$wine" "$work/earlier-setup.exe" /S || fail "the earlier version's installer exited with status $?"
[ -f "$folder/earlier-only.txt" ] || fail "the earlier version did not install its own file"

"$wine" "$installer" /S || fail "installing over the earlier version exited with status $?"
[ ! -e "$folder/earlier-only.txt" ] || fail "the earlier version's own file was left behind"
# Again over itself: replaced in place, one entry.
"$wine" "$installer" /S || fail "installing over the installed one exited with status $?"
[ "$("$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | tr -d '\r' | grep -c 'Uninstall\\varnel$')" = 1 ] ||
    fail "not one installed-programs entry after installing twice"
for file in varnel.exe varnel-calc.exe varnel-sheet.exe uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$file was not installed"
done
[ -f "$menu/varnel.lnk" ] || fail "no Start-menu entry"
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    varnel" "DisplayVersion    REG_SZ    $version" \
    "Publisher    REG_SZ    varnel maintainers" "UninstallString    REG_SZ    \"C:\\Program Files\\varnel\\uninstall.exe\"" \
    "EstimatedSize    REG_DWORD    0x"; do
    printf '%s\n' "$entry" | grep -qF "$value" || fail "the installed-programs entry lacks: $value"
done

installed=$("$wine" "$folder/varnel-calc.exe" --tsv 137.5 14.2 435 2>/dev/null | tr -d '\r')
expected=$("$host_calc" --tsv 137.5 14.2 435 2>/dev/null)
[ "$installed" = "$expected" ] || fail "the installed varnel-calc.exe says '$installed', not '$expected'"

# The uninstaller runs from a copy of itself and returns at once; wait for
# it to take away the last of its work (the folder goes before the Start-menu
# entry and the registry key, so waiting for the folder alone is too short).
# On a loaded machine the copy takes half a minute or more to finish; the
# wait ends as soon as it has.
"$wine" "$folder/uninstall.exe" /S || fail "the uninstaller exited with status $?"
deadline=$(($(date +%s) + 180))
while [ "$(date +%s)" -lt "$deadline" ]; do
    if [ ! -e "$folder" ] && [ ! -e "$menu" ] && ! "$wine" reg query "$key" >/dev/null 2>&1; then
        break
    fi
    sleep 0.2
done
[ ! -e "$folder" ] || fail "left behind: $(ls "$folder")"
[ ! -e "$menu" ] || fail "the Start-menu entry was left behind"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the installed-programs entry was left behind"
exit "$failed"
