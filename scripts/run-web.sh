#!/usr/bin/env bash
# Installs what is missing, builds the web edition, makes a sample game in sample-game/ and serves the
# page on this machine only. PORT chooses the port (8080).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build-web.sh
cmake -S . -B build-web-native -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_DESKTOP=OFF -DORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build-web-native -j "$(nproc)" --target orvane-sample-game
./build-web-native/tools/orvane-sample-game sample-game
port=${PORT:-8080}
echo "Open http://127.0.0.1:$port/ in Chromium, Edge, Firefox or Safari, choose File > Load Files and"
echo "open the folder $(pwd)/sample-game/ce (or sample-game/dos12, sample-game/dos14)."
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory web/dist
