#!/usr/bin/env bash
# `z3ctl devices` over odd collection layouts and lengths: one line per
# collection with the mouse's ids, exit 0 when discovery finds the mouse.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/virtual_mouse_lib.sh"

run_devices() {
  status=0
  "$z3ctl" devices >"$vm_dir/list" 2>"$vm_dir/errors" || status=$?
}

run_devices
[ "$status" -eq 2 ] || fail "no mouse: exit $status"
[ ! -s "$vm_dir/list" ] || fail "no mouse: stdout not empty"
grep -q '請插入【Zerrat Z3】USB鼠標' "$vm_dir/errors" || fail "no mouse: message missing"

# name | options | exit status | lines after the path
cases=(
  "both||0|0xFF00 0x0001 8 0;0xFF01 0x0001 0 8"
  "input|--collections input|0|0xFF00 0x0001 8 0"
  "feature|--collections feature --feature-length 64|0|0xFF01 0x0001 0 64"
  "usage2|--collections usage2|0|0xFF00 0x0002 8 0;0xFF01 0x0001 0 8"
  "long|--input-length 5000 --feature-length 4097|0|0xFF00 0x0001 5000 0;0xFF01 0x0001 0 4097"
  "short|--input-length 1 --feature-length 0|0|0xFF00 0x0001 1 0;0xFF01 0x0001 0 0"
  "vendor|--vendor 18F9|2|"
  "product|--product 0x0F98|2|"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name options expected lines <<<"$entry"
  start_mouse "$name" $options
  run_devices
  [ "$status" -eq "$expected" ] || fail "$name: exit $status, expected $expected"
  want=""
  if [ -n "$lines" ]; then
    IFS=';' read -ra parts <<<"$lines"
    for part in "${parts[@]}"; do want+="$Z3_VIRTUAL_MOUSE_DIR/$name $part"$'\n'; done
  fi
  [ "$(cat "$vm_dir/list")" = "${want%$'\n'}" ] || fail "$name: listed '$(cat "$vm_dir/list")', want '${want%$'\n'}'"
  send "$name" quit
  wait "${vm_pids[-1]}" || true
done

# Hot-plug as z3ctl sees it: unplug, plug with the same path.
start_mouse hp
"$z3ctl" devices >/dev/null || fail "hp not present"
send hp unplug
wait_for "! '$z3ctl' devices" 5 || fail "hp still present after unplug"
send hp plug
wait_for "'$z3ctl' devices" 5 || fail "hp not back after plug"
"$z3ctl" devices | grep -q "^$Z3_VIRTUAL_MOUSE_DIR/hp 0xFF01" || fail "hp came back under another path"
echo "z3ctl devices: ok"
