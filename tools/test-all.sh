#!/usr/bin/env bash
# Builds everything and runs every test: the native build, then the same
# tests built with the address and undefined-behaviour sanitizers, then the
# web page in headless chromium.
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

# The web page: built with emscripten, then tested in headless chromium,
# its frames against those of the native demo-capture built above.
bash tools/build-web.sh
node --test tests/web/
