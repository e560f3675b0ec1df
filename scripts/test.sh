#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# from nothing, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build=build-test
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON
cmake --build "$build" -j "$(nproc)"

# The fuzz targets, a few seconds each, when clang++ is installed.
bash scripts/fuzz.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The web edition: the model's tests under Node and the page in headless Chromium, compared with the
# programs just built.
ORVANE_NATIVE_BUILD="$build" bash scripts/test-web.sh
