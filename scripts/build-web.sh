#!/usr/bin/env bash
# Builds the web edition into web/dist: the model compiled to WebAssembly with emscripten, the page's
# TypeScript bundled with esbuild, and the page's static files beside them.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh web
# Debian's emscripten finds its Node.js modules only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
build=build-web
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DORVANE_BUILD_DESKTOP=OFF -DORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target orvane-web

mkdir -p web/dist
cp "$build/src/orvane-web.js" "$build/src/orvane-web.wasm" web/dist/
(cd web && npm ci --no-audit --no-fund --loglevel=error && node build.mjs)
echo "Web edition built in web/dist"
