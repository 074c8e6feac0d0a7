#!/usr/bin/env bash
# Installs, on Debian, what building and testing the demo needs.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libbenchmark-dev libpng-dev
  libsdl2-dev                             # the window on Linux
  python3 xvfb xfonts-base openbox        # the window tests: X server, window manager
  xdotool x11-apps x11-utils)             # keys and clicks, xwd, xwininfo and xprop
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
