#!/usr/bin/env bash
# Starts the configurator from its program folder. Without a display it runs
# on a private Xvfb, saves screenshots to build/screenshots/ and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app="$root/build/app/zerrat-z3"

# Without a mouse (real or virtual), a virtual one stands in for it. Its
# commands come through a pipe that stays open while the program runs
# (echo "press 2" > build/virtual-mouse.in); the feature reports it receives
# go to build/virtual-mouse.out.
mouse_pid=""
pipe="$root/build/virtual-mouse.in"
stop_mouse() {
  [ -z "$mouse_pid" ] && return
  kill "$mouse_pid" 2>/dev/null || true
  wait "$mouse_pid" 2>/dev/null || true
  rm -f "$pipe"
}
trap stop_mouse EXIT
if ! "$root/build/app/z3ctl" devices >/dev/null 2>&1; then
  rm -f "$pipe"; mkfifo "$pipe"
  exec 3<>"$pipe"
  "$root/build/bin/z3-virtual-mouse" --name run <&3 >"$root/build/virtual-mouse.out" &
  mouse_pid=$!
  exec 3>&-
  for _ in $(seq 50); do "$root/build/app/z3ctl" devices >/dev/null 2>&1 && break; sleep 0.1; done
  echo "No mouse found: started a virtual one; press its buttons with: echo 'press 2' > $pipe"
fi

if [ -n "${DISPLAY:-}" ]; then
  "$app"
  exit
fi

shots="$root/build/screenshots"
mkdir -p "$shots"
source "$root/scripts/xvfb.sh"
start_xvfb
trap 'stop_xvfb; stop_mouse' EXIT
"$app" &
app_pid=$!
sleep 3
import -window root "$shots/main.png"
echo "No display: ran on Xvfb, screenshot saved to $shots/main.png"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
