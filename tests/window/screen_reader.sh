#!/usr/bin/env bash
# Runs screen_reader.py against the real program under Xvfb, on a private
# D-Bus session whose accessibility bus starts on demand.
# Usage: screen_reader.sh ZORBIKA
set -euo pipefail

if [ -z "${ZORBIKA_UNDER_XVFB:-}" ]; then
    export ZORBIKA_UNDER_XVFB=1
    exec dbus-run-session -- "$(dirname "$0")/../support/sessions/on_display.sh" "$0" "$@"
fi

unset QT_QPA_PLATFORM
# Qt speaks to the accessibility bus only when a screen reader has asked for
# it, or when told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Debian's Python, which has the AT-SPI bindings, whatever python3 the PATH
# finds first.
exec /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$1"
