#!/usr/bin/env bash
# Installs, on Debian, what building and running the demo needs; with
# --tests, also what the tests need: an X server, a window manager and X
# tools for the window tests, a Wayland compositor and its tools, ffmpeg for
# the README's video command, ImageMagick for its pictures, the mingw-w64
# cross compiler and Wine for the Windows build, the aarch64 cross compiler,
# qemu-user and Debian's arm64 libraries for the 64-bit ARM build,
# emscripten, Debian's chromium with playwright-core (from npm, into
# tests/web/) for the web page's tests, and the tools that make and check the
# release packages.
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

case "${1:-}" in
  "") tests=no ;;
  --tests) tests=yes ;;
  *) echo "usage: install-deps.sh [--tests]" >&2; exit 2 ;;
esac

# python3: the build configures the window tests, which are written in it.
# libwayland-dev: on Wayland the frames go to the compositor's shared memory.
# Mesa's EGL and its software OpenGL: a Wayland compositor that shares no
# memory is shown SDL's window surface, through an OpenGL renderer, which
# needs no graphics card this way.
# libxkbcommon-dev: the Wayland tests' keyboard (tests/sdl/wayland_keys.cpp)
# is built with the programs.
install_missing cmake g++ make libgtest-dev libbenchmark-dev libpng-dev libsdl2-dev libwayland-dev python3 \
  libegl1 libgl1-mesa-dri libxkbcommon-dev
# SDL shows the zoom chooser through zenity on Wayland.
install_missing --no-install-recommends zenity
[ $tests = yes ] || exit 0

install_missing xvfb xfonts-base openbox \
  xdotool x11-apps x11-utils           # keys and clicks, xwd, xwininfo and xprop
# The Wayland tests: a headless compositor, its screenshots and its keys.
install_missing --no-install-recommends sway grim wtype

# ffmpeg and ffprobe: the README's video command is run and its video checked.
# ImageMagick: tools/make-preview.sh and tools/contact-sheet.sh put frames together.
install_missing ffmpeg
install_missing --no-install-recommends imagemagick

# The Windows build: the mingw-w64 cross compiler (POSIX threads), GoogleTest's
# sources to build for it, and Wine to run the programs.
install_missing g++-mingw-w64-x86-64-posix googletest wine wine64

# The 64-bit ARM build: the cross compiler, qemu-user to run its programs, and
# the libraries of the native build in their arm64 versions, installed beside
# the native ones (multiarch; the shared libraries of both must be the same
# version, so apt may bring native ones up to the archive's current release).
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  $SUDO dpkg --add-architecture arm64
  updated=no # the package lists must now include arm64
fi
install_missing g++-aarch64-linux-gnu qemu-user libsdl2-dev:arm64 libwayland-dev:arm64 libbenchmark-dev:arm64 \
  libpng-dev:arm64

# The release packages: zip for the web page's, lintian to check the .deb,
# unzip to unpack the zips.
install_missing --no-install-recommends lintian zip unzip

# The page needs neither the desktop services nor the extras that these recommend.
web_packages=(emscripten chromium)
command -v npm >/dev/null || web_packages+=(npm)
install_missing --no-install-recommends "${web_packages[@]}"

npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
