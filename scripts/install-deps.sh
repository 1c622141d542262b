#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the calculator need,
# asking apt only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config make
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgmp-dev libgtest-dev libbenchmark-dev
  fonts-wqy-microhei xdg-utils
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
