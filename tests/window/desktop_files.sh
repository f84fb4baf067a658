#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo.
# Usage: desktop_files.sh DESKTOP-ENTRY METAINFO
set -euo pipefail

desktop-file-validate "$1"
appstreamcli validate --no-net --pedantic "$2"
grep -q '<release version="1.00"' "$2"
grep -q '<summary xml:lang="bg">' "$2"
