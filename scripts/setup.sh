#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing, then
# configures and builds into ./build. Sourced by the other scripts.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# npm fetches jQuery for the resource kits at build time; a Node.js install
# that brings its own npm is left alone.
packages=(cmake ninja-build g++ qt6-base-dev fonts-wqy-microhei
          $(command -v npm >/dev/null || echo npm) ${EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
