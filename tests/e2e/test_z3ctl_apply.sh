#!/usr/bin/env bash
# `z3ctl apply [N]` through the virtual mouse: the exact reports for chosen
# profiles, the writes of CurConfig, Config6 and the profile section, the
# status line, and the refusals (no mouse, bad argument, configurator runs).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/virtual_mouse_lib.sh"
app_dir=$(make_app_copy)
z3ctl="$app_dir/z3ctl"
cleanup() {
  # The configurator holds the single-instance name until it has exited:
  # wait, so that the next test starts on a free name.
  if [ -n "${gui:-}" ]; then kill "$gui" 2>/dev/null || true; wait "$gui" 2>/dev/null || true; fi
  stop_xvfb; stop_mice; rm -rf "$app_dir"
}
trap cleanup EXIT

ini="$app_dir/config.ini"
cat >"$ini" <<'INI'
[Init]
CurConfig=3
[Config2]
K1=1
K2=23
K3=14
K4=36
K5=8
K6=19
DPI_LEVEL=2
WHEEL_STATUS=1
DPI_SET1=0
DPI_SET2=1
DPI_SET3=4
DPI_SET4=3
DPI_SET_EN1=1
DPI_SET_EN2=1
DPI_SET_EN3=1
DPI_SET_EN4=1
LED_STATUS=1
[Config3]
K1=1
K2=2
K3=3
K4=4
K5=5
K6=21
DPI_LEVEL=0
DPI_SET1=1
DPI_SET_EN1=1
INI

# ini_value SECTION KEY: the value of KEY in SECTION.
ini_value() {
  awk -v s="[$1]" -v k="$2" '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}' "$ini"
}
apply() {
  status=0
  "$z3ctl" apply "$@" >"$vm_dir/stdout" 2>"$vm_dir/stderr" || status=$?
}
# expect_reports NAME COUNT: waits for COUNT feature lines, compares them.
expect_reports() {
  local name=$1 want=$2
  wait_for "[ \$(grep -c '^feature' '$vm_dir/$name.out') -ge $(printf '%s\n' "$want" | wc -l) ]" 5 \
    || fail "$name: reports missing: $(cat "$vm_dir/$name.out")"
  [ "$(cat "$vm_dir/$name.out")" = "$want" ] || fail "$name: got
$(cat "$vm_dir/$name.out")
want
$want"
}

apply
[ "$status" -eq 2 ] || fail "no mouse: exit $status"
grep -qx '請插入【Zerrat Z3】USB鼠標' "$vm_dir/stderr" || fail "no mouse: message missing"
[ "$(ini_value Init CurConfig)" = 3 ] || fail "no mouse: config.ini changed"

for bad in 0 6 x "2 3"; do
  apply $bad
  [ "$status" -eq 1 ] || fail "apply $bad: exit $status"
done

# Profile 2: translated codes, no report for code 8, code 19 repaired to 12
# with its message, DPI stage 3 (value 4) with LED mode 1.
start_mouse p2
apply 2
[ "$status" -eq 0 ] || fail "apply 2: exit $status $(cat "$vm_dir/stderr")"
expect_reports p2 "feature 07 10 01 01 00 00 00 00
feature 07 10 02 0F 00 00 00 00
feature 07 10 03 0A 00 00 00 00
feature 07 10 04 1F 00 00 00 00
feature 07 10 06 08 00 00 00 00
feature 07 11 01 00 00 00 00 00
feature 07 09 02 C1 00 00 00 00"
[ "$(cat "$vm_dir/stdout")" = '配置完成，请点击鼠标第[4]键运行驱动' ] || fail "apply 2: status '$(cat "$vm_dir/stdout")'"
grep -qx '取色键无效,请设置为其他键' "$vm_dir/stderr" || fail "apply 2: no colour-picker message"
[ "$(ini_value Init CurConfig)" = 2 ] || fail "apply 2: CurConfig $(ini_value Init CurConfig)"
[ "$(ini_value Config6 K6)" = 19 ] || fail "apply 2: Config6 K6 $(ini_value Config6 K6)"
[ "$(ini_value Config2 K6)" = 12 ] || fail "apply 2: Config2 K6 $(ini_value Config2 K6)"
[ "$(ini_value Config6 LED_STATUS)" = 1 ] || fail "apply 2: Config6 LED_STATUS"
send p2 quit

# The default is CurConfig (now 2); profile 3 on a mouse with 16-byte
# feature reports: nothing host-handled, so the actions stay on.
start_mouse p3 --feature-length 16
sed -i 's/^CurConfig=.*/CurConfig=3/' "$ini"
apply
[ "$status" -eq 0 ] || fail "apply: exit $status"
pad=" 00 00 00 00 00 00 00 00 00 00 00 00"
expect_reports p3 "feature 07 10 01 01$pad
feature 07 10 02 02$pad
feature 07 10 03 03$pad
feature 07 10 04 04$pad
feature 07 10 05 05$pad
feature 07 10 06 0D$pad
feature 07 11 00 00$pad
feature 07 09 00 90$pad"
[ "$(cat "$vm_dir/stdout")" = '驱动运行中...' ] || fail "apply: status '$(cat "$vm_dir/stdout")'"
[ "$(ini_value Config6 K6)" = 21 ] || fail "apply: Config6 not written"

# While the configurator runs it owns the mouse: apply refuses with 3.
start_xvfb
QT_QPA_PLATFORM=xcb "$app_dir/zerrat-z3" &
gui=$!
wait_for "xdotool search --name '^Zerrat Z3游戏鼠标\$'" 20 || fail "configurator did not start"
apply 3
[ "$status" -eq 3 ] || fail "configurator running: exit $status"
grep -q 'configurator is running' "$vm_dir/stderr" || fail "configurator running: no reason given"
echo "z3ctl apply: ok"
