#!/usr/bin/env bash
# The Windows Installer package as a school lab's IT person uses it: its
# tables, then in a fresh Wine prefix a silent install, a run of the installed
# program closed with status 0, and a silent uninstall that leaves nothing.
# Usage: windows_installer.sh MSI x64|x86 X-SESSION-DIR VERSION
set -euo pipefail

msi=$(realpath "$1")
target=$2
session=$3
version=$4
suite=$(cd "$(dirname "$0")/../blackbox" && pwd)
source "$(dirname "$0")/windows_prefix.sh"

properties=$(msiinfo export "$msi" Property | tr -d '\r')
expect 'grep -qx "ProductVersion	$version" <<<"$properties"' "ProductVersion $version"
expect 'grep -qx "UpgradeCode	{6C1B2F5E-3D0A-4E7B-9B61-2A4F8C0D7E13}" <<<"$properties"' "the upgrade code"
expect 'grep -qx "Manufacturer	The Zorbika developers" <<<"$properties"' "the manufacturer"
expect 'grep -qx "ProductName	Зорбика" <<<"$properties"' "the product name"
expect 'grep -qx "ALLUSERS	1" <<<"$properties"' "a per-machine install"
# Windows Installer calls the 32-bit target Intel.
platform=$target
[ "$target" = x86 ] && platform=Intel
expect 'msiinfo suminfo "$msi" | grep -q "^Template: $platform;"' "the target $platform"

program=$(program_folder "$target")
install "$msi" || expect false "silent install"
expect '[ -f "$program/Zorbika.exe" ]' "the installed program in $program"
expect '[ "$(ls "$program")" = Zorbika.exe ]' "nothing but the program installed"
expect '[ "$(shortcut_count)" -eq 1 ]' "the Start-menu shortcut"
expect '[ "$(uninstall_entries | cut -d " " -f 2)" = "$version" ]' "the uninstall entry with its version"

"$suite/scenarios.py" closing "$session" -- wine "$(winepath -w "$program/Zorbika.exe")" \
    || expect false "the installed program runs and closes with status 0"

uninstall "$msi" || expect false "silent uninstall"
expect '[ ! -e "$program" ]' "the program folder gone"
expect '[ "$(shortcut_count)" -eq 0 ]' "the shortcut gone"
expect '[ -z "$(uninstall_entries)" ]' "the uninstall entry gone"

[ "$failures" -eq 0 ] || exit 1
echo "installer $target: tables, install, run, uninstall: passed"
