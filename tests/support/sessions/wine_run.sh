#!/usr/bin/env bash
# Runs a Windows program under the test run's Wine session.
# Usage: wine_run.sh SESSION-DIR PROGRAM [ARGUMENT...]
set -euo pipefail

session=$1
shift
export WINEPREFIX=$session/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
DISPLAY=:$(cat "$session/display")
export DISPLAY
exec wine "$@"
