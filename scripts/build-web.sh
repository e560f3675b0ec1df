#!/usr/bin/env bash
# Builds the web edition into web/dist: the model compiled to WebAssembly with emscripten, the page's
# TypeScript bundled with esbuild, and the page's static files beside them. With "--tests", the
# model's tests are built in the same tree (build-web/tests/orvane_model_tests.js).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh web
# Debian's emscripten finds its Node.js modules only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
build=build-web
targets=(orvane-web)
tests=OFF
if [ "${1:-}" = --tests ]; then
  targets+=(orvane_model_tests)
  tests=ON
fi
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DORVANE_BUILD_DESKTOP=OFF -DORVANE_BUILD_TESTS=$tests \
  -DORVANE_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

mkdir -p web/dist
cp "$build/src/orvane-web.js" "$build/src/orvane-web.wasm" web/dist/
(cd web && npm ci --no-audit --no-fund --loglevel=error && node build.mjs)
echo "Web edition built in web/dist"
