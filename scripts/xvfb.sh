# Sourced helper: a private Xvfb on a free display number.
# start_xvfb sets DISPLAY and XVFB_PID; stop_xvfb ends it.
start_xvfb() {
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  XVFB_PID=$!
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  return 0
}
