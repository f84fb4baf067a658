#!/usr/bin/env bash
# The Windows Installer package as a school lab's IT person uses it: its
# tables, then in a fresh Wine prefix a silent install, a run of the installed
# program closed with status 0, and a silent uninstall that leaves nothing.
# Usage: windows_installer.sh MSI X-SESSION-DIR VERSION
set -euo pipefail

msi=$(realpath "$1")
session=$2
version=$3
suite=$(cd "$(dirname "$0")/../blackbox" && pwd)
work=$(mktemp -d)
USER=${USER:-$(id -un)}
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
DISPLAY=:$(cat "$session/display")
export DISPLAY
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

failures=0
expect() {
    if ! eval "$1"; then
        echo "FAILED: $2"
        failures=$((failures + 1))
    fi
}

properties=$(msiinfo export "$msi" Property | tr -d '\r')
expect 'grep -qx "ProductVersion	$version" <<<"$properties"' "ProductVersion $version"
expect 'grep -qx "UpgradeCode	{6C1B2F5E-3D0A-4E7B-9B61-2A4F8C0D7E13}" <<<"$properties"' "the upgrade code"
expect 'grep -qx "Manufacturer	The Zorbika developers" <<<"$properties"' "the manufacturer"
expect 'grep -qx "ProductName	Зорбика" <<<"$properties"' "the product name"
expect 'grep -qx "ALLUSERS	1" <<<"$properties"' "a per-machine install"

mkdir -p "$WINEPREFIX"
wine wineboot -i </dev/null >/dev/null 2>&1
# A real Windows has Times New Roman; without a font for it, Wine 8 itself
# crashes in the font code.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f \
    </dev/null >/dev/null 2>&1
package=$(winepath -w "$msi")
program="$WINEPREFIX/drive_c/Program Files/Zorbika"
# All users' Start menu; Wine puts it in the installing user's.
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Зорбика.lnk"
    "$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Зорбика.lnk")
shortcut_count() {
    local count=0 file
    for file in "${shortcuts[@]}"; do
        [ -f "$file" ] && count=$((count + 1))
    done
    echo "$count"
}
uninstall_entry() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null 2>/dev/null \
        | tr -d '\r' | grep -E "DisplayVersion +REG_SZ +$version\$|Publisher +REG_SZ +The Zorbika developers" || true
}

wine msiexec /i "$package" /qn </dev/null >/dev/null 2>&1 || expect false "silent install"
expect '[ -f "$program/Zorbika.exe" ]' "the installed program"
expect '[ "$(ls "$program")" = Zorbika.exe ]' "nothing but the program installed"
expect '[ "$(shortcut_count)" -eq 1 ]' "the Start-menu shortcut"
expect '[ "$(uninstall_entry | wc -l)" -eq 2 ]' "the uninstall entry with its version and publisher"

"$suite/scenarios.py" closing "$session" -- wine 'C:\Program Files\Zorbika\Zorbika.exe' \
    || expect false "the installed program runs and closes with status 0"

wine msiexec /x "$package" /qn </dev/null >/dev/null 2>&1 || expect false "silent uninstall"
expect '[ ! -e "$program" ]' "the program folder gone"
expect '[ "$(shortcut_count)" -eq 0 ]' "the shortcut gone"
expect '[ -z "$(uninstall_entry)" ]' "the uninstall entry gone"

[ "$failures" -eq 0 ] || exit 1
echo "installer: tables, install, run, uninstall: passed"
