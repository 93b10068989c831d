#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the demo need
# and this machine lacks. Safe to run again: it does nothing when all is there.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev libgtest-dev
  clang-19 python3 # tools/clang-mingw-check.sh: the Windows sources through a second compiler
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 wine xvfb xauth x11-utils imagemagick
  fonts-wqy-microhei fonts-comic-neue fonts-liberation fonts-wine
  iproute2 procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
