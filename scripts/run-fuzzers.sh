#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, seeded from fuzz/corpus/<name>.
set -euo pipefail
bin_dir=$1
seconds=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$bin_dir"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
  echo "== $name (${seconds}s)"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$work/" "$work" "${seeds[@]}" 2>"$work/log"; then
    tail -n 40 "$work/log"; status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$work/log" | tail -n 2
  fi
  rm -rf "$work"
done
exit $status
