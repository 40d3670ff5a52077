#!/usr/bin/env bash
# A second copy restores the first copy's window (also when hidden) and ends
# at once with status 0; the first copy keeps running with one window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/virtual_mouse_lib.sh"
start_xvfb
app_dir=$(make_app_copy)
start_mouse single
cleanup() { kill "${first:-}" 2>/dev/null || true; stop_mice; stop_xvfb; rm -rf "$app_dir"; }
trap cleanup EXIT

title='Zerrat Z3游戏鼠标'
"$app_dir/zerrat-z3" &
first=$!
wait_for "xdotool search --onlyvisible --name '^${title}\$'" 20 || fail "first copy shows no window"
window=$(xdotool search --onlyvisible --name "^${title}\$" | head -n 1)

# There is no window manager here: an unmapped window stands for one that is
# minimised or hidden in the tray.
for state in hidden hidden-again; do
  xdotool windowunmap --sync "$window"
  wait_for "! xwininfo -id $window | grep -q 'IsViewable'" 5 || fail "window did not go away ($state)"
  start=$(date +%s%N)
  timeout 10 "$app_dir/zerrat-z3"; status=$?
  elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  [ "$status" -eq 0 ] || fail "second copy exited with $status ($state)"
  wait_for "xwininfo -id $window | grep -q 'IsViewable'" 5 || fail "first copy was not restored ($state)"
  echo "second copy ended after ${elapsed_ms} ms ($state)"
done

count=$(xdotool search --onlyvisible --name "^${title}\$" | wc -l)
[ "$count" -eq 1 ] || fail "expected one window, found $count"
kill -0 "$first" || fail "first copy died"

# A killed first copy leaves nothing behind: the next start is a first copy.
kill -9 "$first"; wait "$first" 2>/dev/null || true
"$app_dir/zerrat-z3" &
first=$!
wait_for "xdotool search --onlyvisible --name '^${title}\$'" 20 || fail "restart after kill shows no window"

# Another user's copy is a first copy of its own: it neither blocks nor is
# blocked (needs root to switch users). It has no mouse of its own, so its
# window is the insert-the-mouse message.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  chmod 755 "$app_dir"
  other_home=$(mktemp -d); chmod 777 "$other_home"
  HOME=$other_home XDG_RUNTIME_DIR= Z3_VIRTUAL_MOUSE_DIR= setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$app_dir/zerrat-z3" 2>/dev/null &
  other=$!
  wait_for "[ \$(xdotool search --onlyvisible --name '^${title}\$' | wc -l) -eq 2 ]" 20 \
    || fail "another user's copy did not open its own window"
  kill -0 "$first" || fail "first copy died when another user started"
  kill "$other"; wait "$other" 2>/dev/null || true
  rm -rf "$other_home"
  echo "another user's copy runs beside ours"
fi
echo "single instance: ok"
