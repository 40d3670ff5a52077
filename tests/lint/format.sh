#!/usr/bin/env bash
# Every C++ source follows the repository's .clang-format.
set -euo pipefail
cd "${Z3_SOURCE:?}"
files=$(git ls-files '*.cpp' '*.h' '*.cc' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' -o -name '*.cc')
[ -n "$files" ] || exit 0
if ! echo "$files" | xargs clang-format --dry-run -Werror 2>/tmp/z3-format.$$; then
  grep -E '^[^ ].*: (error|warning)' /tmp/z3-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
  rm -f /tmp/z3-format.$$
  echo "run: make format"
  exit 1
fi
rm -f /tmp/z3-format.$$
echo "format: ok"
