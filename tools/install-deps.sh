#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need, when any is missing.
set -euo pipefail
# dpkg-dev and file: CPack fills the Debian package's Depends through dpkg-shlibdeps.
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev zlib1g-dev libpng-dev qt6-base-dev libgl-dev fonts-dejavu-core fontconfig xvfb xauth
  clang libclang-rt-14-dev qt6-tools-dev libqt6opengl6-dev dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
