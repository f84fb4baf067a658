#!/usr/bin/env bash
# The 64- and 32-bit packages on one 64-bit Windows, as a lab gets them from
# two downloads: each installed over the other replaces it, so a computer
# never has two Zorbikas, two shortcuts or two entries to remove, and the one
# uninstall leaves nothing. A 64-bit Wine installs both packages; neither
# program is run.
# Usage: windows_installers_together.sh X64-MSI X86-MSI X-SESSION-DIR VERSION
set -euo pipefail

x64=$(realpath "$1")
x86=$(realpath "$2")
session=$3
version=$4
export WINEARCH=win64
source "$(dirname "$0")/windows_prefix.sh"

# The one Zorbika installed is TARGET's, with one shortcut and one entry.
only() {
    local target=$1 other=x64
    [ "$target" = x64 ] && other=x86
    local program
    program=$(program_folder "$target")
    expect '[ -f "$program/Zorbika.exe" ]' "$target's program in $program"
    expect '[ ! -e "$(program_folder "$other")" ]' "$other's program gone"
    expect '[ "$(shortcut_count)" -eq 1 ]' "one shortcut, after $target"
    expect '[ "$(uninstall_entries | wc -l)" -eq 1 ]' "one uninstall entry, after $target"
}

[ -d "$WINEPREFIX/drive_c/Program Files (x86)" ] \
    || { echo "Wine made no 64-bit Windows: is its 64-bit side (wine64) there?"; exit 1; }

install "$x64" || expect false "x64 installed"
only x64
install "$x86" || expect false "x86 installed over x64"
only x86
install "$x64" || expect false "x64 installed over x86"
only x64

uninstall "$x64" || expect false "x64 uninstalled"
expect '[ ! -e "$(program_folder x64)" ] && [ ! -e "$(program_folder x86)" ]' "no program left"
expect '[ "$(shortcut_count)" -eq 0 ]' "no shortcut left"
expect '[ -z "$(uninstall_entries)" ]' "no uninstall entry left"

[ "$failures" -eq 0 ] || exit 1
echo "installers x64 and x86 over each other, then one uninstall: passed"
