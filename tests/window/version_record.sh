#!/usr/bin/env bash
# Compiles the Windows resource script with the cross windres, reads the
# compiled record back and checks its numbers and strings.
# Usage: version_record.sh RESOURCE-SCRIPT
set -euo pipefail

rc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The host's C preprocessor serves: the script needs no Windows header.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc" -O res -o "$work/zorbika.res"
x86_64-w64-mingw32-windres -J res -i "$work/zorbika.res" -O rc -o "$work/back.rc"

failures=0
expect() {
    if ! grep -qF -- "$1" "$work/back.rc"; then
        echo "missing from the compiled record: $1"
        failures=$((failures + 1))
    fi
}

expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'FILETYPE 0x1'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "InternalName", "Zorbika"'
expect 'VALUE "OriginalFilename", "Zorbika.exe"'
expect 'VALUE "ProductName", "Zorbika"'
expect 'VALUE "Translation", 0x402, 1200'
expect 'RT_GROUP_ICON'

# The description is Bulgarian: windres writes it back as UTF-16 escapes.
name=$(printf 'Зорбика' | iconv -f UTF-8 -t UTF-16LE | od -An -tx2 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /\\x/g')
expect "VALUE \"FileDescription\", L\"\\x${name}"

if [ "$failures" -ne 0 ]; then
    echo "--- compiled record:"
    grep -A24 VERSIONINFO "$work/back.rc" || true
    exit 1
fi
echo "version record: all values present"
