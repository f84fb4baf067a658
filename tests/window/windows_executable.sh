#!/usr/bin/env bash
# What a school receives: Zorbika.exe is a Windows GUI program of its target,
# 64- or 32-bit, that imports only Windows' own DLLs, and nothing newer than
# Windows 7 by name, and it carries its version record and its 32 x 32 icon.
# Usage: windows_executable.sh ZORBIKA-EXE pei-x86-64|pei-i386 OBJDUMP OBJCOPY
set -euo pipefail

exe=$1
format=$2
objdump=$3
objcopy=$4
headers=$("$objdump" -p "$exe")
failures=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

"$objdump" -f "$exe" | grep -q "file format $format\$" || fail "not of the format $format"

grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a Windows GUI program"

# The system DLLs that every Windows since 7 has.
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|msvcrt)\.dll$'
while read -r dll; do
    grep -Eiq "$allowed" <<<"$dll" || fail "imports $dll"
done < <(sed -n 's/^\tDLL Name: //p' <<<"$headers")

# Windows 10's functions are looked up at run time, never imported.
for newer in GetDpiForWindow AdjustWindowRectExForDpi GetSystemMetricsForDpi; do
    if grep -q "\b$newer\b" <<<"$headers"; then
        fail "imports $newer, which Windows 7 lacks"
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$objcopy" -O binary --only-section=.rsrc "$exe" "$work/rsrc"
/usr/bin/python3 - "$work/rsrc" <<'PYTHON' || failures=$((failures + 1))
import struct
import sys

data = open(sys.argv[1], "rb").read()
failed = False

def expect(condition, what):
    global failed
    if not condition:
        print("missing:", what)
        failed = True

def utf16(text):
    return text.encode("utf-16-le")

# The fixed part of the version record: 1.0.0.0 for the file and the product.
at = data.find(struct.pack("<I", 0xFEEF04BD))
expect(at >= 0, "the version record")
if at >= 0:
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", data, at + 8)
    expect((file_ms, file_ls, product_ms, product_ls) == (0x10000, 0, 0x10000, 0), "version 1.0.0.0")
for key, value in (("InternalName", "Zorbika"), ("FileVersion", "1.00"), ("ProductVersion", "1.00"),
                   ("OriginalFilename", "Zorbika.exe")):
    expect(utf16(key) in data and utf16(value) in data, f"{key} {value}")
# The icon: a 32 x 32 bitmap of 8 bits a pixel with its mask (height twice 32).
expect(struct.pack("<IiiHH", 40, 32, 64, 1, 8) in data, "the 32 x 32 icon")
# The manifest, with the common controls and DPI awareness.
expect(b"Microsoft.Windows.Common-Controls" in data and b"PerMonitorV2" in data, "the manifest")
sys.exit(1 if failed else 0)
PYTHON

if [ "$failures" -ne 0 ]; then
    echo "--- imports:"
    grep -E 'DLL Name|^\s+[0-9a-f]+\s+[0-9]+\s+\w+' <<<"$headers" | head -80
    exit 1
fi
echo "$exe: GUI, system DLLs only, version record, icon and manifest"
