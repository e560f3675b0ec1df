#!/usr/bin/env bash
# Installs what is missing, builds the editor, makes a sample game in sample-game/ and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_TESTS=OFF
cmake --build build -j "$(nproc)"
./build/tools/orvane-sample-game sample-game
echo "Sample games are in $(pwd)/sample-game: open ce/QEV.EXE, dos12/QEVEXE/GEOSCAPE.EXE or dos14/QEVEXE/GEOSCAPE.EXE."
exec ./build/src/orvane-editor
