#!/usr/bin/env bash
# Builds everything and runs every test: the native build, the same tests
# built with the address and undefined-behaviour sanitizers, the Windows
# build tested under Wine, the 64-bit ARM build under qemu, then the web page
# under Node and in headless chromium. Last, the release packages are made
# and checked as their users would install and run them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --tests
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDEMO_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# Windows: cross-built with mingw-w64; CTest runs the tests under Wine, the
# window tests on their own Xvfb screens. Both builds must draw the same frames.
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build-windows -j"$jobs"
ctest --test-dir build-windows --output-on-failure -j"$jobs"
bash tools/compare-captures.sh build/bin/demo-capture -- build-windows/wine-run.sh build-windows/bin/demo-capture.exe
build-windows/wine-run.sh wineserver -k

# 64-bit ARM: cross-built with Debian's aarch64 compiler; CTest runs the tests
# under qemu-user, the window tests on their own Xvfb screens. Both builds
# must draw the same frames.
cmake -S . -B build-arm64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
cmake --build build-arm64 -j"$jobs"
ctest --test-dir build-arm64 --output-on-failure -j"$jobs"
bash tools/compare-captures.sh build/bin/demo-capture -- build-arm64/launchers/demo-capture

# The web page: built with emscripten, its frame kernels tested under Node
# against the literal frame, then the page tested in headless chromium, its
# frames against those of the native demo-capture built above.
bash tools/build-web.sh
ctest --test-dir build-wasm --output-on-failure
node --test tests/web/

# The release packages (tools/release.sh, its own stripped builds) installed,
# unpacked and run: the .deb with dpkg, the Windows zip under Wine, the ARM64
# programs under qemu, the web page in chromium.
bash tools/release.sh
bash tests/release/release-checks.sh
