# What the Windows Installer tests share: a fresh Wine prefix of their own on
# a test session's display, and what a school's IT person looks at after an
# install or an uninstall. Sourced, not run; the caller sets WINEARCH for a
# 32- or 64-bit Windows.
# Needs: SESSION-DIR as $session.

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

mkdir -p "$WINEPREFIX"
wine wineboot -i </dev/null >/dev/null 2>&1
# A real Windows has Times New Roman; without a font for it, Wine 8 itself
# crashes in the font code.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f \
    </dev/null >/dev/null 2>&1

# Where a package of the target x64 or x86 installs: a 32-bit program goes to
# Program Files (x86) where Windows is 64-bit.
program_folder() {
    local folder="$WINEPREFIX/drive_c/Program Files"
    if [ "$1" = x86 ] && [ -d "$WINEPREFIX/drive_c/Program Files (x86)" ]; then
        folder="$folder (x86)"
    fi
    echo "$folder/Zorbika"
}

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

# The Add/Remove entries of Zorbika, a line each: the product code and its
# version. Both registry views are read: a 32-bit package's entry is in the
# 32-bit view of a 64-bit Windows, and the `wine` command itself may run
# either bitness of reg.
uninstall_entries() {
    local view
    for view in 64 32; do
        wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s /reg:$view \
            </dev/null 2>/dev/null | tr -d '\r' | awk '
                /^HKEY_/ { n = split($0, parts, "\\"); key = parts[n]; next }
                $1 == "DisplayVersion" && $2 == "REG_SZ" { version[key] = $3 }
                /^ +Publisher +REG_SZ +The Zorbika developers$/ { ours[key] = 1 }
                END { for (key in ours) print key, version[key] }'
    done | sort -u
}

install() {
    wine msiexec /i "$(winepath -w "$1")" /qn </dev/null >/dev/null 2>&1
}

uninstall() {
    wine msiexec /x "$(winepath -w "$1")" /qn </dev/null >/dev/null 2>&1
}
