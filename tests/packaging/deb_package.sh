#!/usr/bin/env bash
# Builds the Debian package, checks its fields and contents, installs it into
# an empty root, opens the installed program, and runs lintian on it.
# Usage: deb_package.sh BUILD-DIR SEND_DELETE_WINDOW END_TO_END
set -euo pipefail

build=$1
send_delete_window=$2
end_to_end=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/zorbika_1.00_*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = zorbika ]
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ]

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/zorbika ./usr/share/applications/org.example.zorbika.desktop \
    ./usr/share/icons/hicolor/32x32/apps/org.example.zorbika.png \
    ./usr/share/metainfo/org.example.zorbika.metainfo.xml \
    ./usr/share/doc/zorbika/copyright ./usr/share/man/man1/zorbika.1.gz; do
    grep -qxF "$file" <<<"$contents" || { echo "missing from the package: $file"; exit 1; }
done

# Into an empty root with a dpkg database of its own.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless \
    --log=/dev/null -i "$deb" >/dev/null
[ "$(dpkg --root="$root" -s zorbika | sed -n 's/^Status: //p')" = "install ok installed" ]
[ -x "$root/usr/bin/zorbika" ]
"$end_to_end" "$root/usr/bin/zorbika" "$send_delete_window"

# Errors fail; warnings are shown.
report=$(lintian --no-tag-display-limit "$deb" || true)
[ -z "$report" ] || echo "$report"
if grep -q '^E:' <<<"$report"; then
    exit 1
fi
echo "lintian: no errors"
