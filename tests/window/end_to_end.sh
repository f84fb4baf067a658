#!/usr/bin/env bash
# Runs the real program under Xvfb: picks a row with the mouse, closes the
# window through the window system and expects exit status 0.
# Usage: end_to_end.sh ZORBIKA SEND_DELETE_WINDOW
set -euo pipefail

if [ -z "${ZORBIKA_UNDER_XVFB:-}" ]; then
    export ZORBIKA_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

zorbika=$1
send_delete_window=$2
unset QT_QPA_PLATFORM

"$zorbika" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Зорбика' | head -n 1)
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }

# Row "0" of the list is at (40, 56) inside the client area.
xdotool mousemove --window "$window" 40 56 click 1
sleep 0.5
kill -0 "$pid" || { echo "the program ended after a pick"; exit 1; }

"$send_delete_window" "$window"
status=0
timeout 20 tail --pid="$pid" -f /dev/null || { echo "the window did not close"; exit 1; }
wait "$pid" || status=$?
trap - EXIT
echo "exit status $status"
[ "$status" -eq 0 ]
