#!/usr/bin/env bash
# Starts the configurator from its program folder. Without a display it runs
# on a private Xvfb, saves screenshots to build/screenshots/ and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app="$root/build/app/zerrat-z3"

if [ -n "${DISPLAY:-}" ]; then
  exec "$app"
fi

shots="$root/build/screenshots"
mkdir -p "$shots"
source "$root/scripts/xvfb.sh"
start_xvfb
trap stop_xvfb EXIT
"$app" &
app_pid=$!
sleep 3
import -window root "$shots/main.png"
echo "No display: ran on Xvfb, screenshot saved to $shots/main.png"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
