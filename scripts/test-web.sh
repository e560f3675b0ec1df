#!/usr/bin/env bash
# The web edition's tests: the model's tests compiled to WebAssembly and run under Node, then the
# page in headless Chromium over sample games (web/tests, Node's own test runner).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build-web.sh --tests
# emscripten 3.1.6 fails on Node 20's own fetch; the tests reach the disk through NODERAWFS.
(cd build-web/tests && node --no-experimental-fetch orvane_model_tests.js)

# The sample-game maker and orvane of the native build the page's results are compared with.
native=${ORVANE_NATIVE_BUILD:-build-web-native}
if [ ! -x "$native/tools/cli/orvane" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_DESKTOP=OFF -DORVANE_BUILD_TESTS=OFF >/dev/null
  cmake --build "$native" -j "$(nproc)" --target orvane orvane-sample-game
fi
export ORVANE_CLI="$PWD/$native/tools/cli/orvane" ORVANE_SAMPLE_GAME="$PWD/$native/tools/orvane-sample-game"
(cd web && node --test tests/)
