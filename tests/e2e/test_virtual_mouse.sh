#!/usr/bin/env bash
# The virtual mouse's command-line contract: options, the commands on
# standard input, nothing but feature lines on standard output, a clean end
# on quit and signals, and leftovers of a killed one ignored and replaced.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/virtual_mouse_lib.sh"

present() { "$z3ctl" devices >/dev/null 2>&1; }
root=$Z3_VIRTUAL_MOUSE_DIR

# Bad command lines are refused before anything is published.
for args in "--input-length" "--input-length x" "--collections three" "--vendor 10000" \
            "--name ../up" "--name .hidden" "--bogus 1"; do
  status=0; "$vm_bin" $args </dev/null >/dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] || fail "'$args' exited with $status, expected 2"
done
[ -z "$(ls -A "$root")" ] || fail "a refused start left files in $root"

start_mouse a
[ "$(stat -c %a "$root")" = 700 ] || fail "root is not private"
present || fail "mouse a is not found"

# Commands, bad lines and the end of standard input: the mouse stays, and
# standard output stays empty (no feature report was sent).
send a "press 2"; send a "arm"; send a "input 06 F1 00"; send a "nonsense"; send a "press 99"
wait_for "grep -q 'nonsense' '$vm_dir/a.err'" 5 || fail "bad command not reported on stderr"
[ ! -s "$vm_dir/a.out" ] || fail "stdout carries more than feature lines: $(cat "$vm_dir/a.out")"

send a unplug
wait_for "! present" 5 || fail "unplug not seen"
[ -z "$(ls -A "$root")" ] || fail "unplug left files: $(ls -A "$root")"
send a plug
wait_for present 5 || fail "plug not seen"

# Two names at once; the same name twice is refused.
start_mouse b --vendor 1234
[ "$("$z3ctl" devices | wc -l)" -eq 2 ] || fail "mouse b (other vendor) listed"
status=0; "$vm_bin" --name a </dev/null >/dev/null 2>&1 || status=$?
[ "$status" -ne 0 ] || fail "a second mouse named a started"

# End of input does not end it; quit does, and leaves nothing.
exec {fd_b}>&-
sleep 0.3
kill -0 "${vm_pids[1]}" || fail "end of input ended mouse b"
send a quit
wait "${vm_pids[0]}" || fail "quit exited non-zero"
[ ! -e "$root/a" ] || fail "quit left $root/a"

# SIGTERM and SIGINT end it cleanly.
for signal in TERM INT; do
  start_mouse "sig$signal"
  pid=${vm_pids[-1]}
  kill -s "$signal" "$pid"
  wait "$pid" || fail "SIG$signal exit status $?"
  [ ! -e "$root/sig$signal" ] || fail "SIG$signal left files"
done

# A killed mouse leaves its folder; discovery ignores it and a new mouse of
# that name takes it over.
start_mouse k
kill -9 "${vm_pids[-1]}"; wait "${vm_pids[-1]}" 2>/dev/null || true
[ -d "$root/k" ] || fail "expected the killed mouse's folder to remain"
"$z3ctl" devices >/dev/null 2>&1 && fail "a killed mouse was found"
rm "$vm_dir/k.in"
start_mouse k
present || fail "the replacing mouse k is not found"
echo "virtual mouse: ok"
