#!/usr/bin/env bash
# Installs the build into an empty prefix and checks what lands where.
# Usage: install_layout.sh BUILD-DIR
set -euo pipefail

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null

expected=(
    bin/zorbika
    share/applications/org.example.zorbika.desktop
    share/doc/zorbika/changelog.gz
    share/doc/zorbika/copyright
    share/icons/hicolor/32x32/apps/org.example.zorbika.png
    share/man/man1/zorbika.1.gz
    share/metainfo/org.example.zorbika.metainfo.xml
)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    echo "installed files differ:"
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") || true
    exit 1
fi
[ -x "$prefix/bin/zorbika" ]
echo "install layout: ${#expected[@]} files in place"
