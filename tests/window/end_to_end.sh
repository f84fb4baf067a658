#!/usr/bin/env bash
# Runs the real program under Xvfb, on a private D-Bus session, with a home and
# XDG folders of its own: picks a row with the mouse, types, closes the window
# through the window system, and expects exit status 0 and nothing left behind.
# Usage: end_to_end.sh ZORBIKA SEND_DELETE_WINDOW
set -euo pipefail

if [ -z "${ZORBIKA_UNDER_XVFB:-}" ]; then
    export ZORBIKA_UNDER_XVFB=1
    # A private session bus: with none, libdbus may autolaunch one that writes
    # into the home under test, and this test judges only what the program writes.
    exec dbus-run-session -- "$(dirname "$0")/../support/sessions/on_display.sh" "$0" "$@"
fi

zorbika=$1
send_delete_window=$2
unset QT_QPA_PLATFORM

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for place in home config cache data state runtime; do
    mkdir -m 700 "$root/$place"
done
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_CACHE_HOME=$root/cache \
    XDG_DATA_HOME=$root/data XDG_STATE_HOME=$root/state XDG_RUNTIME_DIR=$root/runtime

"$zorbika" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$root"' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }

# Row "0" of the list is at (40, 56) inside the client area; the composition
# box below it has the keyboard.
xdotool mousemove --window "$window" 40 56 click 1
xdotool mousemove --window "$window" 200 250 click 1
xdotool type --window "$window" --delay 20 "abc"
xdotool key --window "$window" Return
sleep 0.5
kill -0 "$pid" || { echo "the program ended before it was closed"; exit 1; }

"$send_delete_window" "$window"
status=0
timeout 20 tail --pid="$pid" -f /dev/null || { echo "the window did not close"; exit 1; }
wait "$pid" || status=$?
trap 'rm -rf "$root"' EXIT
echo "exit status $status"
[ "$status" -eq 0 ]

# fontconfig may build its cache where the system has none; nothing else may appear.
left=$(cd "$root" && find . -mindepth 2 | grep -v '^\./cache/fontconfig' || true)
if [ -n "$left" ]; then
    echo "written at run time:"
    echo "$left"
    exit 1
fi
echo "nothing written"
