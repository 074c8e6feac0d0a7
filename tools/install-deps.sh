#!/usr/bin/env bash
# Installs, on Debian, what building and testing the demo needs.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libbenchmark-dev libpng-dev)
# The Windows build: the mingw-w64 cross compiler (POSIX threads), GoogleTest's
# sources to build for it, and Wine on Xvfb to run and look at the programs.
packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xdotool x11-apps)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
