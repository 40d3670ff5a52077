#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need.
# A quick no-op when everything is already there.
set -euo pipefail

packages=(
  qt6-base-dev qt6-qpa-plugins libhidapi-dev libudev-dev libxtst-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev cmake ninja-build pkg-config g++ clang clang-format
  fonts-arphic-uming fonts-wqy-microhei xvfb xauth xdotool x11-utils x11-apps
  xinput imagemagick trayer dbus hyperfine
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
