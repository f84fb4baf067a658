#!/usr/bin/env bash
# Builds the Windows Installer package with wixl from a folder that holds
# zorbika.wxs, Zorbika.exe and zorbika.ico, then gives the product and its
# shortcut their Bulgarian name: wixl drops non-ASCII strings, so the
# database's code page is set to Windows-1251 and the names written after.
# wixl also drops AllowSameVersionUpgrades, so the upgrade's version range is
# made to take in its own version here: msidbUpgradeAttributesMigrateFeatures
# (1) and msidbUpgradeAttributesVersionMaxInclusive (512). Without it the
# other target's package of the same version would install beside this one.
# Usage: make_msi.sh STAGE-DIR x64|x86 OUTPUT-MSI
set -euo pipefail

stage=$1
target=$2
msi=$3
name='Зорбика'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$stage" && wixl -a "$target" -o "$work/zorbika.msi" zorbika.wxs)
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/zorbika.msi" -i "$work/_ForceCodepage.idt"
msibuild "$work/zorbika.msi" -q "UPDATE \`Property\` SET \`Value\` = '$name' WHERE \`Property\` = 'ProductName'"
msibuild "$work/zorbika.msi" -q "UPDATE \`Shortcut\` SET \`Name\` = 'Zorbika|$name' WHERE \`Shortcut\` = 'StartMenuShortcut'"
# The attributes are part of the table's key, which SQL may not change: the
# table goes out and comes back whole.
msiinfo export "$work/zorbika.msi" Upgrade | tr -d '\r' \
    | awk -F '\t' -v OFS='\t' '$7 == "WIX_UPGRADE_DETECTED" { $5 = 513 } { printf "%s\r\n", $0 }' \
        >"$work/Upgrade.idt"
msibuild "$work/zorbika.msi" -i "$work/Upgrade.idt"
mv "$work/zorbika.msi" "$msi"
