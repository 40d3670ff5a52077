#!/usr/bin/env bash
# `z3ctl listen` through the virtual mouse under Xvfb: arming, DPI steps with
# their reports and DPI_LEVEL, a shortcut seen by the X server as key events,
# profile switching, odd input reports, a re-plugged mouse, and a clean stop
# on SIGTERM.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/virtual_mouse_lib.sh"
app_dir=$(make_app_copy)
z3ctl="$app_dir/z3ctl"
cleanup() {
  kill "${listener:-}" "${watcher:-}" 2>/dev/null || true
  stop_xvfb; stop_mice; rm -rf "$app_dir"
}
trap cleanup EXIT

ini="$app_dir/config.ini"
cat >"$ini" <<'INI'
[Init]
CurConfig=4
[Config4]
K1=17
K2=18
K3=6
K4=40
K5=33
K6=31
DPI_LEVEL=1
DPI_SET1=1
DPI_SET2=2
DPI_SET3=4
DPI_SET4=0
DPI_SET_EN1=1
DPI_SET_EN2=0
DPI_SET_EN3=0
DPI_SET_EN4=1
[Config5]
K1=1
K2=2
K3=3
K4=40
K5=5
K6=31
DPI_SET1=2
DPI_SET_EN1=1
LED_STATUS=3
INI
ini_value() {
  awk -v s="[$1]" -v k="$2" '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}' "$ini"
}

status=0
"$z3ctl" listen >/dev/null 2>"$vm_dir/nomouse" || status=$?
[ "$status" -eq 2 ] || fail "no mouse: exit $status"

start_xvfb
start_mouse m
out="$vm_dir/listen.out"
"$z3ctl" listen >"$out" 2>"$vm_dir/listen.err" &
listener=$!

features() { grep -c '^feature' "$vm_dir/m.out" || true; }
# expect_action LINE: waits for LINE as the last action printed.
expect_action() {
  wait_for "[ \"\$(tail -n 1 '$out')\" = '$1' ]" 5 || fail "expected action '$1', got: $(cat "$out")"
}
# expect_feature N LINE: waits for N feature reports, the last being LINE.
expect_feature() {
  wait_for "[ \$(grep -c '^feature' '$vm_dir/m.out') -ge $1 ]" 5 || fail "no report $1: $(cat "$vm_dir/m.out")"
  [ "$(grep '^feature' "$vm_dir/m.out" | sed -n "$1p")" = "feature $2" ] \
    || fail "report $1: $(grep '^feature' "$vm_dir/m.out" | sed -n "$1p"), want feature $2"
}

expect_feature 8 "07 09 01 A0 00 00 00 00"
wait_for "grep -q '配置完成，请点击鼠标第\[1\]键运行驱动' '$vm_dir/listen.err'" 5 \
  || fail "no prompt: $(cat "$vm_dir/listen.err")"

# Presses before the arming report are dropped.
send m "press 1"
sleep 0.3
[ ! -s "$out" ] || fail "acted before arming: $(cat "$out")"
[ "$(features)" -eq 8 ] || fail "report sent before arming"
send m arm
expect_action armed

# DPI: stages 1 and 4 enabled, level 1. Up -> 3, up again -> 3 (the report
# and the store happen anyway), down -> 0, cycle -> 3.
send m "press 1"; expect_action "dpi-level 3"; expect_feature 9 "07 09 03 80 00 00 00 00"
send m "press 1"; expect_feature 10 "07 09 03 80 00 00 00 00"
wait_for "[ \"\$(ini_value Config4 DPI_LEVEL)\" = 3 ]" 5 || fail "DPI_LEVEL not stored"
send m "press 2"; expect_action "dpi-level 0"; expect_feature 11 "07 09 00 90 00 00 00 00"
send m "press 3"; expect_action "dpi-level 3"; expect_feature 12 "07 09 03 80 00 00 00 00"

# Ctrl+C reaches the X server as key events: Ctrl (37) and C (54).
xinput test-xi2 --root >"$vm_dir/xi" 2>&1 &
watcher=$!
sleep 0.5
send m "press 6"
expect_action "shortcut ctrl+c"
wait_for "[ \$(grep -c 'RawKeyRelease' '$vm_dir/xi') -ge 2 ]" 5 || fail "no key events seen by X"
keys=$(awk '/RawKeyPress/ {t = "down"} /RawKeyRelease/ {t = "up"} /detail:/ && t {print t, $2; t = ""}' "$vm_dir/xi" | tr '\n' ' ')
[ "$keys" = "down 37 down 54 up 54 up 37 " ] || fail "X saw: $keys"
kill "$watcher"; wait "$watcher" 2>/dev/null || true; watcher=

# Reports of odd lengths and content change nothing and break nothing.
send m "input 06"
send m "input 06 F7 FF FF FF FF FF FF FF FF"
send m "input 00 F0"
send m "input FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"
sleep 0.3
[ "$(tail -n 1 "$out")" = "shortcut ctrl+c" ] || fail "odd reports caused: $(tail -n 1 "$out")"

# Profile switch: 4 -> 5, the whole profile sent and recorded; profile 5
# maps button 4 to the host too, so arming is needed again; 5 -> 1.
send m "press 4"
expect_action "profile 5"
expect_feature 20 "07 09 00 A3 00 00 00 00"
grep '^feature' "$vm_dir/m.out" | sed -n 13p | grep -qx 'feature 07 10 01 01 00 00 00 00' || fail "profile 5 not sent"
[ "$(ini_value Init CurConfig)" = 5 ] || fail "CurConfig $(ini_value Init CurConfig)"
send m "press 4"
sleep 0.3
[ "$(tail -n 1 "$out")" = "profile 5" ] || fail "acted before arming on profile 5"
send m arm; expect_action armed
send m "press 4"; expect_action "profile 1"
[ "$(ini_value Init CurConfig)" = 1 ] || fail "CurConfig after wrap $(ini_value Init CurConfig)"

# The mouse goes away and comes back: listen applies again and goes on.
before=$(features)
send m unplug
sleep 1.5
send m plug
wait_for "[ \$(grep -c '^feature' '$vm_dir/m.out') -ge $((before + 8)) ]" 10 || fail "no re-apply after plug"
kill -0 "$listener" || fail "listen ended when the mouse went away"

# SIGTERM ends it promptly with status 0.
kill -TERM "$listener"
for _ in $(seq 30); do kill -0 "$listener" 2>/dev/null || break; sleep 0.1; done
kill -0 "$listener" 2>/dev/null && fail "listen still running 3 s after SIGTERM"
status=0; wait "$listener" || status=$?
listener=
[ "$status" -eq 0 ] || fail "listen exit $status after SIGTERM"
send m quit

# Odd layouts. One-byte input reports: the arming report is just "06" (the
# missing button byte reads 0) and no button can be told. An input
# collection with usage 2 opens no read handle: listen waits without
# re-applying again and again.
sed -i 's/^CurConfig=.*/CurConfig=4/' "$ini"
start_mouse one --input-length 1
"$z3ctl" listen >"$out" 2>/dev/null &
listener=$!
wait_for "[ \$(grep -c '^feature' '$vm_dir/one.out') -ge 8 ]" 5 || fail "one: not applied"
send one arm; expect_action armed
send one "press 4"
sleep 0.3
[ "$(tail -n 1 "$out")" = armed ] || fail "one: a one-byte report acted: $(tail -n 1 "$out")"
kill -TERM "$listener"; wait "$listener" || fail "one: exit $?"
send one quit

start_mouse u2 --collections usage2
"$z3ctl" listen >"$out" 2>/dev/null &
listener=$!
wait_for "[ \$(grep -c '^feature' '$vm_dir/u2.out') -ge 8 ]" 5 || fail "usage2: not applied"
sleep 2.5
[ "$(grep -c '^feature' "$vm_dir/u2.out")" -eq 8 ] || fail "usage2: applied again without a read handle"
kill -TERM "$listener"; wait "$listener" || fail "usage2: exit $?"
listener=
echo "z3ctl listen: ok"
