# Sourced by the virtual-mouse and z3ctl scripts: starts virtual mice with a
# command pipe on a private root, so tests running at once never meet.
export Z3_VIRTUAL_MOUSE_DIR
Z3_VIRTUAL_MOUSE_DIR=$(mktemp -d)
vm_bin="$Z3_BUILD/bin/z3-virtual-mouse"
z3ctl="$Z3_BUILD/app/z3ctl"
vm_pids=()

# start_mouse NAME [options...]: the mouse's stdin is the pipe $vm_dir/NAME.in,
# its stdout and stderr go to $vm_dir/NAME.out and NAME.err.
vm_dir=$(mktemp -d)
start_mouse() {
  local name=$1; shift
  mkfifo "$vm_dir/$name.in"
  "$vm_bin" --name "$name" "$@" <"$vm_dir/$name.in" >"$vm_dir/$name.out" 2>"$vm_dir/$name.err" &
  vm_pids+=($!)
  eval "exec {fd_$name}>\"$vm_dir/$name.in\""
  wait_for "grep -q 'plugged' '$vm_dir/$name.err'" 5 || { cat "$vm_dir/$name.err" >&2; fail "mouse $name did not plug"; }
}
# send NAME LINE: one command to the mouse's stdin.
send() { local fd="fd_$1"; echo "$2" >&"${!fd}"; }
stop_mice() {
  local pid
  for pid in "${vm_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${vm_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$Z3_VIRTUAL_MOUSE_DIR" "$vm_dir"
}
trap stop_mice EXIT
