#!/usr/bin/env bash
# Opens a page in Chromium as an app of its own, a window of the page alone
# and no browser around it, with a fresh profile in the display's session;
# Chromium is the process itself, so that ending it ends the page.
# Usage: chromium_app.sh SESSION-DIR PAGE
set -euo pipefail

session=$1
page=$2
profile=$(mktemp -d "$session/chromium.XXXXXX")
# A reader of Bulgarian who wants no offer to translate, which would cover the
# window's corner.
mkdir -p "$profile/Default"
echo '{"translate": {"enabled": false}, "intl": {"accept_languages": "bg,en"}}' \
    >"$profile/Default/Preferences"
flags=(--app="file://$page" --window-size=461,345 --window-position=0,0 --user-data-dir="$profile"
    --no-first-run --no-default-browser-check --disable-background-networking
    --disable-component-update --disable-sync --disable-quic --password-store=basic
    --force-device-scale-factor=1 --disable-gpu --log-level=3)
# Root has no sandbox; the flag's warning bar would cover the page.
if [ "$(id -u)" -eq 0 ]; then
    flags+=(--no-sandbox --test-type)
fi
exec chromium "${flags[@]}"
