#!/usr/bin/env bash
# Starts the configurator from its program folder. When no Zerrat Z3 is
# plugged in, a virtual one is started first; its buttons are pressed by
# writing commands to build/virtual-mouse.in (see README.md). Without a
# display the program runs on a private Xvfb, screenshots are saved to
# build/screenshots/ and everything stops again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app="$root/build/app/zerrat-z3"
ctl="$root/build/app/z3ctl"
mouse="$root/build/bin/z3-virtual-mouse"
commands="$root/build/virtual-mouse.in"
shots="$root/build/screenshots"

virtual_pid=
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
  if [ -n "$virtual_pid" ]; then
    echo quit >&7 2>/dev/null || true
    wait "$virtual_pid" 2>/dev/null || true
    rm -f "$commands"
  fi
  type stop_xvfb >/dev/null 2>&1 && stop_xvfb
  return 0
}
trap cleanup EXIT

if ! "$ctl" devices >/dev/null 2>&1; then
  rm -f "$commands"
  mkfifo "$commands"
  # Keep the command pipe open on our side so the mouse never sees its end.
  exec 7<>"$commands"
  "$mouse" --name make-run <&7 >"$root/build/virtual-mouse.out" &
  virtual_pid=$!
  for _ in $(seq 50); do "$ctl" devices >/dev/null 2>&1 && break; sleep 0.1; done
  echo "No Zerrat Z3 found: started a virtual one. Press its buttons with, e.g.:"
  echo "  echo 'press 2' > $commands     (button 2; 'arm' sends the arming report)"
fi

if [ -n "${DISPLAY:-}" ]; then
  "$app" &
  app_pid=$!
  wait "$app_pid" || true
  app_pid=
  exit 0
fi

mkdir -p "$shots"
source "$root/scripts/xvfb.sh"
start_xvfb
"$app" &
app_pid=$!
sleep 3
window=$(xdotool search --onlyvisible --name "Zerrat Z3" | head -n 1)
import -window "${window:-root}" "$shots/main.png"
if [ -n "$virtual_pid" ]; then
  echo arm >&7
  sleep 1
  import -window "${window:-root}" "$shots/armed.png"
fi
echo "No display: ran on Xvfb, screenshots saved to $shots/"
