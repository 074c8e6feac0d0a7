#!/usr/bin/env bash
# Installs, on Debian, what building and testing the demo needs: the native
# toolchain and libraries, emscripten for the web page, and Debian's chromium
# with playwright-core (from npm, into tests/web/) for the page's tests.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
updated=no

install_missing() { # apt-get options, then the packages
  local options=() missing=()
  while [ $# -gt 0 ] && [ "${1#-}" != "$1" ]; do options+=("$1"); shift; done
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  if [ $updated = no ]; then
    $SUDO apt-get update -qq
    updated=yes
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${options[@]}" "${missing[@]}"
}

install_missing cmake g++ make libgtest-dev libbenchmark-dev libpng-dev

# The page needs neither the desktop services nor the extras that these recommend.
web_packages=(emscripten chromium)
command -v npm >/dev/null || web_packages+=(npm)
install_missing --no-install-recommends "${web_packages[@]}"

npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
