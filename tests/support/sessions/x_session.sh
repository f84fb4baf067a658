#!/usr/bin/env bash
# One X display for a whole test run, an Xvfb of its own, and with --wine one
# Wine session on it: a fresh prefix and a persistent wineserver, so that each
# Windows process starts in a tenth of a second instead of seconds. In the
# prefix Times New Roman maps to Liberation Serif, as a real Windows would
# have the font itself.
# A stand-in window manager answers Wine, which otherwise waits two seconds
# for one whenever it hides or destroys a window.
# With a keeper program, that program runs for the whole session, so that
# Wine's desktop and services stay up between tests. With BITS, the keeper is
# first asked its bitness, and the session fails unless it really ran as a
# program of that many bits.
# With --window-manager, the stand-in window manager runs without Wine.
# ZORBIKA_XVFB_SCREEN sets the screen's size, 1024x768x24 unless told.
# Usage: x_session.sh start SESSION-DIR [--wine [KEEPER.exe [BITS]] | --window-manager]
#        x_session.sh stop SESSION-DIR
set -euo pipefail

action=$1
session=$2
wine=${3:-}
keeper=${4:-}
bits=${5:-}
export WINEPREFIX=$session/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='

stop() {
    if [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
    fi
    # A number left by an ended run may belong to another process by now.
    local file pid
    for file in "$session"/xvfb.pid "$session"/window_manager.pid; do
        [ -f "$file" ] || continue
        pid=$(cat "$file")
        if tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qE 'Xvfb|window_manager'; then
            kill "$pid" 2>/dev/null || true
        fi
    done
    rm -f "$session/display" "$session"/*.pid
}

case $action in
stop)
    stop
    exit 0
    ;;
start) ;;
*)
    echo "usage: x_session.sh start|stop SESSION-DIR [--wine [KEEPER.exe]]" >&2
    exit 2
    ;;
esac

stop
rm -rf "$session"
mkdir -p "$session"

# Xvfb takes the first free display number itself and writes it once it
# accepts clients: two sessions that start at once never take the same one.
# Its own session, so that the test runner does not wait for it.
setsid Xvfb -displayfd 3 -screen 0 "${ZORBIKA_XVFB_SCREEN:-1024x768x24}" -nolisten tcp \
    3>"$session/display.new" </dev/null >/dev/null 2>&1 &
echo $! >"$session/xvfb.pid"
for _ in $(seq 200); do
    grep -q . "$session/display.new" 2>/dev/null && break
    sleep 0.05
done
display=$(tr -d '\n' <"$session/display.new")
[ -n "$display" ] || { echo "Xvfb did not start"; exit 1; }
mv "$session/display.new" "$session/display"
export DISPLAY=:$display
echo "X display :$display"

if [ "$wine" = --wine ] || [ "$wine" = --window-manager ]; then
    setsid /usr/bin/python3 "$(dirname "$0")/window_manager.py" </dev/null >/dev/null 2>&1 &
    echo $! >"$session/window_manager.pid"
fi
if [ "$wine" = --wine ]; then
    mkdir -p "$WINEPREFIX"
    # Detached from this script, like the server: the desktop and services
    # that wineboot leaves running must outlive it, and a test runner ends
    # every process that descends from a test.
    setsid wineserver -p </dev/null >/dev/null 2>&1
    (setsid sh -c 'wine wineboot -i && wine reg add "HKCU\Software\Wine\Fonts\Replacements" \
        /v "Times New Roman" /d "Liberation Serif" /f; touch "$1"' sh "$session/booted" \
        </dev/null >/dev/null 2>&1 &)
    for _ in $(seq 1200); do
        [ -e "$session/booted" ] && break
        sleep 0.1
    done
    [ -e "$session/booted" ] || { echo "Wine did not start"; exit 1; }
    if [ -n "$bits" ]; then
        ran=0
        wine "$keeper" --bits </dev/null >/dev/null 2>&1 || ran=$?
        if [ "$ran" != "$bits" ]; then
            echo "Wine did not run a $bits-bit program (its status: $ran, not $bits): a 32-bit" \
                "one needs Wine's 32-bit side (Debian's wine32) and a kernel that runs them"
            exit 1
        fi
        echo "Wine runs $bits-bit programs"
    fi
    # Detached as well, and ended by `wineserver -k` with the session.
    if [ -n "$keeper" ]; then
        (setsid wine "$keeper" </dev/null >/dev/null 2>&1 &)
    fi
    echo "Wine prefix $WINEPREFIX"
fi
