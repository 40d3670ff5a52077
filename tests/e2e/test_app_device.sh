#!/usr/bin/env bash
# The program with a (virtual) mouse: start-up applies the active profile,
# the arming report turns the host actions on. Without a mouse it says so,
# ends with status 0 and leaves config.ini as it was.
source "$(dirname "$0")/lib.sh"
start_xvfb
app_dir=$(make_app_copy)
export Z3_VIRTUAL_MOUSE_DIR=$(mktemp -d)
commands=$(mktemp -u)
mkfifo "$commands"
exec 7<>"$commands"
cleanup() {
  kill "${app:-}" 2>/dev/null || true
  echo quit >&7 2>/dev/null || true
  wait "${mouse:-}" 2>/dev/null || true
  stop_xvfb
  rm -rf "$app_dir" "$Z3_VIRTUAL_MOUSE_DIR" "$commands" "${out:-}"
}
trap cleanup EXIT
title='Zerrat Z3游戏鼠标'

# No mouse: the message, then the end, and config.ini untouched.
before=$(md5sum "$app_dir/config.ini")
"$app_dir/zerrat-z3" &
app=$!
wait_for "xdotool search --onlyvisible --name '^${title}\$'" 20 || fail "no message box without the mouse"
# Answer the box (OK); the box may still be settling, so try until it goes.
for _ in $(seq 100); do
  kill -0 "$app" 2>/dev/null || break
  for box in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
    xdotool windowfocus "$box" key Return 2>/dev/null || true
  done
  sleep 0.2
done
kill -0 "$app" 2>/dev/null && fail "program still runs after the no-mouse message"
wait "$app"; status=$?
[ "$status" -eq 0 ] || fail "no-mouse exit status $status"
[ "$(md5sum "$app_dir/config.ini")" = "$before" ] || fail "config.ini changed without the mouse"
app=

# With the mouse: the profile goes out at start-up.
out=$(mktemp)
"$Z3_BUILD/bin/z3-virtual-mouse" --name e2e <&7 >"$out" &
mouse=$!
wait_for "[ -d '$Z3_VIRTUAL_MOUSE_DIR/e2e' ]" 10 || fail "virtual mouse did not plug"
cat > "$app_dir/config.ini" <<'INI'
[Init]
CurConfig=2
[Config2]
K1=1
K2=23
K3=14
K4=4
K5=8
K6=2
DPI_LEVEL=2
WHEEL_STATUS=1
DPI_SET1=0
DPI_SET_EN1=1
DPI_SET2=1
DPI_SET_EN2=1
DPI_SET3=4
DPI_SET_EN3=1
DPI_SET4=3
DPI_SET_EN4=1
LED_STATUS=2
INI
"$app_dir/zerrat-z3" &
app=$!
wait_for "[ \$(grep -c '^feature' '$out') -ge 7 ]" 20 || { cat "$out"; fail "apply did not reach the mouse"; }
expected="feature 07 10 01 01 00 00 00 00
feature 07 10 02 0F 00 00 00 00
feature 07 10 03 0A 00 00 00 00
feature 07 10 04 04 00 00 00 00
feature 07 10 06 02 00 00 00 00
feature 07 11 01 00 00 00 00 00
feature 07 09 02 C2 00 00 00 00"
[ "$(cat "$out")" = "$expected" ] || { diff <(echo "$expected") "$out"; fail "wrong reports"; }
grep -q '^CurConfig=2' "$app_dir/config.ini" || fail "CurConfig not written"
grep -q '^\[Config6\]' "$app_dir/config.ini" || fail "applied state not written"
wait_for "xdotool search --onlyvisible --name '^${title}\$'" 20 || fail "no window with the mouse"

# Unplugging the mouse ends the program.
echo unplug >&7
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "program still runs after the mouse was unplugged"
app=
echo "program and mouse: ok"
