#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build folder and runs each on its seed inputs for a
# few seconds. `bash scripts/fuzz.sh 10000000` runs each for that many inputs instead, and a target
# name after the count runs that one only (`bash scripts/fuzz.sh 10000000 game_loader`). A target with a
# dictionary of its input's words (fuzz/<name>.dict) is given it.
# FUZZ_SANITIZERS=undefined builds a second set without AddressSanitizer for long runs of a target
# whose time goes into fresh large allocations (see docs/RELIABILITY.md). Without clang++ it says so
# and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ not found: the fuzz targets were not run"
  exit 0
fi
sanitizers=${FUZZ_SANITIZERS:-address,undefined}
build=build-fuzz
if [ "$sanitizers" != address,undefined ]; then
  build=build-fuzz-${sanitizers//,/-}
  # Keep half-megabyte images in the heap instead of a fresh mapping per allocation.
  export GLIBC_TUNABLES=glibc.malloc.mmap_threshold=33554432:glibc.malloc.trim_threshold=268435456
fi
CXX=clang++ cmake -S . -B "$build" -DORVANE_FUZZ=ON -DORVANE_FUZZ_SANITIZERS="$sanitizers" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

limit=(-max_total_time=5)
[ $# -gt 0 ] && limit=(-runs="$1")
for target in "$build"/fuzz/fuzz_${2:-*}; do
  name=$(basename "$target")
  found=$(mktemp -d) # inputs found on the way; the checked-in seeds stay as they are
  log=$(mktemp)
  echo "== $name ($sanitizers)"
  status=0
  dictionary=()
  [ -f "fuzz/${name#fuzz_}.dict" ] && dictionary=(-dict="fuzz/${name#fuzz_}.dict")
  "$target" "${limit[@]}" "${dictionary[@]}" -max_len=256 -print_final_stats=1 -artifact_prefix="$build/" \
    "$found" "fuzz/corpus/${name#fuzz_}" >"$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|broken|SUMMARY)' "$log" || true
  [ "$status" -eq 0 ] || tail -n 40 "$log"
  rm -rf "$found" "$log"
  [ "$status" -eq 0 ] || { echo "$name failed; the input that shows it is in $build/"; exit 1; }
done
