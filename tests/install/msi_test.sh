#!/usr/bin/env bash
# Installs the MSI under Wine in a private prefix as an office would, silently:
# the files, the Start menu entry, the entry under Apps, the installed program
# starting; then an upgrade to a later version made here, an older version
# refused, and removal leaving nothing of PIRUMO behind. The x86 package is
# installed on 32-bit Windows; given beside the x64 one, each is installed
# over the other on 64-bit Windows. Where this machine runs no 32-bit x86
# programs, Wine has no 32-bit Windows: the x86 package's tables are still
# read, and installing it there is skipped, saying why.
# Usage: msi_test.sh BUILD-WINDOWS pirumo-1.00-x64.msi [pirumo-1.00-x86.msi]
#        msi_test.sh BUILD-WINDOWS-X86 pirumo-1.00-x86.msi
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$here/../e2e/xsession.sh"
. "$here/../windows/wine_prefix.sh"
. "$here/../checks.sh"
build=$1
. "$build/generated/package.env"
# A later version, to be made here: the next minor one.
IFS=. read -r major minor _ <<<"$MSI_VERSION"
later_version=$major.$((minor + 1)).0
later_text=$major.$(printf %02d $((minor + 1)))
msi=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")

# What the package's tables say, read without installing it: the program's
# version and language; the processor, the Program Files folder and the
# component's bitness (256, msidbComponentAttributes64bit) of its Windows.
if [ "$ARCHITECTURE" == x86 ]; then
    template=Intel program_files_folder=ProgramFilesFolder component_attributes=0
else
    template=x64 program_files_folder=ProgramFiles64Folder component_attributes=256
fi
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
check "pirumo.exe's version and language in the package" \
    grep -qP "^pirumo\\.exe\tProgram\tpirumo\\.exe\t[0-9]+\t\\Q$FILE_VERSION\\E\t1041\t" <(table File)
check "for $template processors, in Japanese" grep -qx "Template: $template;1041" <(msiinfo suminfo "$msi")
check "installs into $program_files_folder" grep -qP "^INSTALLDIR\t$program_files_folder\tPIRUMO\$" <(table Directory)
check "as a component of $ARCHITECTURE Windows" \
    grep -qP "^Program\t\\{[-0-9A-F]+\\}\tINSTALLDIR\t$component_attributes\t\tpirumo\\.exe\$" <(table Component)
if [ "$ARCHITECTURE" == x86 ] && ! why=$("$root/tools/runs_x86_programs.sh"); then
    echo "msi: skipped installing it on 32-bit Windows under Wine: $why"
    echo "msi: $passes passed, $failures failed"
    [ "$failures" -eq 0 ]
    exit
fi

later=$(mktemp -d)
trap 'end_started; end_wine_prefix; stop_x; rm -rf "$later"' EXIT
trap 'exit 143' TERM INT  # the EXIT trap still cleans up
start_x || exit 1
new_wine_prefix "$ARCHITECTURE" || exit

windows_path() { echo "Z:${1//\//\\}"; }
msiexec() {  # msiexec ARGS...: its exit status, which Wine gives modulo 256; 124 if it hung
    timeout 120 "$wine" msiexec "$@" >/dev/null 2>&1
    local status=$?
    "$wineserver" -w  # the registry is on disk once the server is done
    return $status
}
program_files=$WINEPREFIX/drive_c/Program\ Files/PIRUMO
shortcuts() { find "$WINEPREFIX/drive_c" -iname 'PIRUMO.lnk' | wc -l; }
# The Apps entries that name PIRUMO, as "name version modify" lines.
apps_entries() {
    /usr/bin/python3 - "$WINEPREFIX/system.reg" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
for section in re.split(r"\n(?=\[)", text):
    if "\\\\Uninstall\\\\" in section.split("\n", 1)[0] and '"DisplayName"="PIRUMO"' in section:
        version = re.search(r'"DisplayVersion"="([^"]*)"', section)
        modify = '"NoModify"=dword:00000001' in section
        print("PIRUMO", version.group(1) if version else "?", "no-modify" if modify else "modify")
PY
}

msiexec /i "$(windows_path "$msi")" /qn
check "installs silently" test $? -eq 0
check "pirumo.exe in Program Files\\PIRUMO" test -s "$program_files/pirumo.exe"
check "its help beside it" test -s "$program_files/pirumo.hlp"
check "one Start menu entry" test "$(shortcuts)" -eq 1
check "one entry under Apps, with its version, no Modify" test "$(apps_entries)" == "PIRUMO $MSI_VERSION no-modify"
icon=$(sed -n 's/^"ProductIcon"="C:\\\\windows\\\\\(.*\)"$/\1/p' "$WINEPREFIX/system.reg" | sed 's/\\\\/\//g')
check "and the program's icon ($icon)" test -s "$WINEPREFIX/drive_c/windows/$icon"

"$wine" 'C:\Program Files\PIRUMO\pirumo.exe' >/dev/null 2>&1 &
started+=($!)
check "the installed program opens its window" window_named PIRUMO
end_started
"$wineserver" -w

# The same version rebuilt with other contents replaces what is installed.
rebuilt=$later/rebuilt
mkdir -p "$rebuilt"
cp -r "$build/generated" "$build/pirumo.exe" "$build/pirumo.hlp" "$rebuilt/"
echo '<!-- rebuilt -->' >>"$rebuilt/pirumo.hlp"
"$root/tools/windows_packages.sh" "$rebuilt" "$rebuilt/dist" >/dev/null
msiexec /i "$(windows_path "$rebuilt/dist/$(basename "$msi")")" /qn
check "the same version with other contents installs over it" test $? -eq 0
check "and its files replace the old ones" grep -q rebuilt "$program_files/pirumo.hlp"
check "leaving one entry under Apps" test "$(apps_entries)" == "PIRUMO $MSI_VERSION no-modify"

# A later version, made here from the same program.
PIRUMO_MSI_VERSION=$later_version PIRUMO_VERSION_TEXT=$later_text "$root/tools/windows_packages.sh" "$build" "$later" >/dev/null
msiexec /i "$(windows_path "$later/pirumo-$later_text-$ARCHITECTURE.msi")" /qn
check "a later version installs over it" test $? -eq 0
check "and leaves one entry under Apps" test "$(apps_entries)" == "PIRUMO $later_version no-modify"
check "and one Start menu entry" test "$(shortcuts)" -eq 1

msiexec /i "$(windows_path "$msi")" /qn
check "an older version is refused" test $? -ne 0
# Wine logs no message for a refused launch condition: the package's own is read.
check "saying why in Japanese" grep -q "より新しいバージョンの PIRUMO がすでにインストールされています" \
    <(WINDOWS_LANGUAGE=ja msiinfo export "$msi" LaunchCondition 2>/dev/null)
check "and changes nothing" test "$(apps_entries)" == "PIRUMO $later_version no-modify"

msiexec /x "$(windows_path "$later/pirumo-$later_text-$ARCHITECTURE.msi")" /qn
check "uninstalls silently" test $? -eq 0
check "no folder left in Program Files" test ! -e "$program_files"
check "no Start menu entry left" test "$(shortcuts)" -eq 0
check "no entry under Apps left" test -z "$(apps_entries)"
check "no file of PIRUMO left" test -z "$(find "$WINEPREFIX/drive_c" -iname 'pirumo*')"
check "no registry key of PIRUMO left" test -z "$(grep -il pirumo "$WINEPREFIX"/*.reg)"

# On 64-bit Windows the x86 and the x64 package are one product: either
# replaces the other of the same version, leaving one entry under Apps, one
# Start menu entry and one folder, which holds its own program.
if [ -n "${3:-}" ]; then
    x86_msi=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
    program_files_x86=$WINEPREFIX/drive_c/Program\ Files\ \(x86\)/PIRUMO
    for order in x86-then-x64 x64-then-x86; do
        if [ $order == x86-then-x64 ]; then
            first=$x86_msi second=$msi folder=$program_files other_folder=$program_files_x86 architecture=x64
        else
            first=$msi second=$x86_msi folder=$program_files_x86 other_folder=$program_files architecture=x86
        fi
        msiexec /i "$(windows_path "$first")" /qn
        msiexec /i "$(windows_path "$second")" /qn
        check "$order: installs" test $? -eq 0
        check "$order: the $architecture program in its folder" test "$(pe_architecture "$folder/pirumo.exe")" == $architecture
        check "$order: no folder left of the other" test ! -e "$other_folder"
        check "$order: one entry under Apps" test "$(apps_entries)" == "PIRUMO $MSI_VERSION no-modify"
        check "$order: one Start menu entry" test "$(shortcuts)" -eq 1
        msiexec /x "$(windows_path "$second")" /qn
        check "$order: no file of PIRUMO left once removed" test -z "$(find "$WINEPREFIX/drive_c" -iname 'pirumo*')"
    done
fi

echo "msi: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
