#!/usr/bin/env bash
# Builds the demo's web page with emscripten into build-web/: index.html,
# demo.js, demo.wasm and demo.data (the images of datas/). Any static file
# server can then serve that folder.
set -euo pipefail
cd "$(dirname "$0")/.."
# emscripten's JavaScript optimiser loads its modules from Debian's node path,
# which a node from elsewhere does not search.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-wasm -DCMAKE_BUILD_TYPE=Release
cmake --build build-wasm -j2
rm -rf build-web
cmake --install build-wasm --prefix build-web
