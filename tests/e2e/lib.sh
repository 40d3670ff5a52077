# Sourced by the end-to-end scripts: paths of the build, a private Xvfb, and
# small assertions that print what failed.
set -euo pipefail
: "${Z3_BUILD:?set by ctest}"
: "${Z3_SOURCE:?set by ctest}"
source "$Z3_SOURCE/scripts/xvfb.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $2 seconds (default 10) for a command to succeed.
wait_for() {
  local command=$1 limit=${2:-10} waited=0
  until eval "$command" >/dev/null 2>&1; do
    sleep 0.1
    waited=$((waited + 1))
    [ "$waited" -ge $((limit * 10)) ] && return 1
  done
  return 0
}

# A copy of the program folder, so that each test has its own config files.
make_app_copy() {
  local dir
  dir=$(mktemp -d)
  cp -a "$Z3_BUILD/app/." "$dir/"
  echo "$dir"
}
