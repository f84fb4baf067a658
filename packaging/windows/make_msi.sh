#!/usr/bin/env bash
# Builds the Windows Installer package with wixl from a folder that holds
# zorbika.wxs, Zorbika.exe and zorbika.ico, then gives the product and its
# shortcut their Bulgarian name: wixl drops non-ASCII strings, so the
# database's code page is set to Windows-1251 and the names written after.
# Usage: make_msi.sh STAGE-DIR OUTPUT-MSI
set -euo pipefail

stage=$1
msi=$2
name='Зорбика'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$stage" && wixl -a x64 -o "$work/zorbika.msi" zorbika.wxs)
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/zorbika.msi" -i "$work/_ForceCodepage.idt"
msibuild "$work/zorbika.msi" -q "UPDATE \`Property\` SET \`Value\` = '$name' WHERE \`Property\` = 'ProductName'"
msibuild "$work/zorbika.msi" -q "UPDATE \`Shortcut\` SET \`Name\` = 'Zorbika|$name' WHERE \`Shortcut\` = 'StartMenuShortcut'"
mv "$work/zorbika.msi" "$msi"
