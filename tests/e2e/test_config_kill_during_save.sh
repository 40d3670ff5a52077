#!/usr/bin/env bash
# A process killed at random points of a long run of saves never leaves
# config.ini torn or empty: every time, the file holds one whole version.
source "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
ini="$dir/config.ini"

check_whole() {
  # Each of the five profile sections present is one of the two versions,
  # the applied-state section is complete, and CurConfig names a profile.
  grep -q '^CurConfig=[1-5]\r\?$' "$ini" || fail "CurConfig missing or torn after kill $1"
  awk -v kill="$1" '
    /^\[/ { section = $0; next }
    /^K[1-6]=/ { split($0, kv, "="); n = substr(kv[1], 2); v = kv[2] + 0
                 if (v != n && v != 40 + n) { print "bad value " $0 " in " section " after kill " kill; bad = 1 }
                 keys[section]++ }
    END { for (s in keys) if (keys[s] != 6) { print "torn section " s " after kill " kill; bad = 1 }
          if (!("[Config6]" in keys)) { print "no applied state after kill " kill; bad = 1 }
          exit bad }' "$ini" || fail "config.ini torn"
}

for round in $(seq 1 60); do
  "$Z3_BUILD/bin/config_save_loop" "$ini" &
  pid=$!
  # Random moments, from before the first save to deep into the run.
  sleep "0.$(printf '%03d' $((RANDOM % 200)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -s "$ini" ] || { [ "$round" -eq 1 ] && continue; fail "config.ini empty after kill $round"; }
  check_whole "$round"
done
leftovers=$(find "$dir" -name 'config.ini.*' | wc -l)
echo "60 kills: config.ini whole every time ($leftovers temporary files left by kills)"
