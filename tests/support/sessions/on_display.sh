#!/usr/bin/env bash
# Runs a command on an X display of its own, an Xvfb started as every session
# here starts one (x_session.sh), and ends the display with the command.
# Usage: on_display.sh COMMAND [ARGUMENT...]
set -euo pipefail

sessions=$(cd "$(dirname "$0")" && pwd)
session=$(mktemp -d "${TMPDIR:-/tmp}/zorbika-display.XXXXXX")
trap '"$sessions/x_session.sh" stop "$session"; rm -rf "$session"' EXIT
"$sessions/x_session.sh" start "$session" >/dev/null
DISPLAY=:$(cat "$session/display") "$@"
