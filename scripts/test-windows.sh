#!/usr/bin/env bash
# Builds everything below Qt for 64-bit Windows with MinGW-w64 and proves it under Wine: the model
# tests pass, and the Windows programs (the sample-game maker, orvane.exe) write byte for byte what the
# Linux ones write.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh windows

seconds_since() { echo $(( $(date +%s) - $1 )); }

# The Linux programs the Windows ones are compared with: a build of everything below Qt.
host=build-windows-host
start=$(date +%s)
cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_DESKTOP=OFF -DORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$host" -j "$(nproc)"
echo "Linux programs built in $(seconds_since "$start") s"

# The cross build, from nothing.
cross=build-windows
rm -rf "$cross"
start=$(date +%s)
cmake --preset windows-cross >/dev/null
cmake --build --preset windows-cross -j "$(nproc)"
echo "Windows programs built in $(seconds_since "$start") s"

# Wine as root with no display, in a prefix of its own; made once before anything is timed.
export WINEPREFIX="$root/$cross/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true' EXIT
start=$(date +%s)
wineboot -i >/dev/null 2>&1
echo "Wine prefix made in $(seconds_since "$start") s"

# The model tests. Those that need Linux user namespaces or a user other than root skip with their reason.
log="$cross/model-tests.log"
start=$(date +%s)
status=0
wine "$cross/tests/orvane_model_tests.exe" >"$log.crlf" 2>&1 || status=$?
elapsed=$(seconds_since "$start")
tr -d '\r' <"$log.crlf" >"$log" # the Windows console ends its lines with CR LF
ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' "$log")
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below:/\1/p' "$log")
failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below:/\1/p' "$log")
# Each skipped test with its reason, the line after gtest's "Skipped".
awk '/^\[ RUN      \]/ { name = $4 } skip { print "skipped: " name ": " $0; skip = 0 } /: Skipped$/ { skip = 1 }' "$log"
# What the tests of several processes writing one game saw: two orvane.exe at once, and writes ended by
# TerminateProcess.
sed -n 's/^\[ \(two writers\|killed at each step\|orvane.exe killed\) \] /\1: /p' "$log"
echo "Model tests under Wine: ${ran:-0} run in ${elapsed} s: ${passed:-0} passed, ${failed:-0} failed, ${skipped:-0} skipped"
if [ "$status" -ne 0 ] || [ -z "$ran" ] || [ "${failed:-0}" -ne 0 ]; then
  cat "$log"
  echo "The model tests failed under Wine (exit status $status)" >&2
  exit 1
fi

# The sample-game maker: the Windows one writes, for every edition, the files the Linux one writes.
work="$cross/compare"
rm -rf "$work"
mkdir -p "$work"
"$host/tools/orvane-sample-game" "$work/linux" >/dev/null
(cd "$work" && wine "$root/$cross/tools/orvane-sample-game.exe" windows >/dev/null)
for edition in ce dos12 dos14; do
  count=$(find "$work/linux/$edition" -type f | wc -l)
  [ "$count" -eq 4 ] || { echo "The Linux sample game $edition has $count files, not 4" >&2; exit 1; }
done
diff -r "$work/linux" "$work/windows" || { echo "The Windows sample-game maker wrote other files than the Linux one" >&2; exit 1; }
echo "Sample games of all three editions: the Windows maker wrote the same 12 files, byte for byte"

# The round trip with orvane.exe, beside the Linux orvane, each on its own copy of two games made by the
# Windows maker, in a folder named outside ASCII that every path argument passes through: the
# Collector's Edition game is given values a user could type (a mod of its own), its complete mod is
# exported (to a file, and to standard output) and applied to the DOS 1.4 game, which is saved with
# backups; the diff of the two games must then be empty, a refused mod must give exit status 1, and
# every file of both copies must be equal, byte for byte, the mod and patch files included.
trip="$work/round-trip"
folder="jeux-été"
for side in linux windows; do
  mkdir -p "$trip/$side/$folder"
  cp -r "$work/windows/ce" "$trip/$side/$folder/source"
  cp -r "$work/windows/dos14" "$trip/$side/$folder/target"
  cat >"$trip/$side/edits.toml" <<'EOF'
# Values a user could type, texts outside ASCII among them.
[mod]
format = 1

[[unit]]
number = 7
health = 45
bravery = 30

[[item]]
number = 3
item_name = "Fusée à plasma"
damage_type = "Plasma"

[[english_dat]]
number = 12
text = "Fête de l'été, a text of another length"
EOF
  printf '[mod]\nformat = 1\n[[unit]]\nnumber = 7\nhealth = 300\n' >"$trip/$side/refused.toml"
done
linux_orvane() { (cd "$trip/linux" && "$root/$host/tools/cli/orvane" "$@"); }
# Wine turns the arguments into UTF-16 by the locale's character set, so the locale is UTF-8.
windows_orvane() { (cd "$trip/windows" && LC_ALL=C.UTF-8 wine "$root/$cross/tools/cli/orvane.exe" "$@"); }
milliseconds_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
for run in linux_orvane windows_orvane; do
  start=$(date +%s%N)
  $run apply --no-backups "$folder/source/QEV.EXE" edits.toml
  $run export "$folder/source/QEV.EXE" -o source.toml
  $run export "$folder/source/QEV.EXE" >"$trip/${run%_orvane}/stdout.toml"
  $run apply "$folder/target/QEVEXE/GEOSCAPE.EXE" source.toml
  $run diff "$folder/target/QEVEXE/GEOSCAPE.EXE" "$folder/source/QEV.EXE" -o after.toml
  $run make-patch "$folder/target/QEVEXE/GEOSCAPE.EXE" target.qev
  status=0
  $run apply "$folder/target/QEVEXE/GEOSCAPE.EXE" refused.toml 2>/dev/null || status=$?
  [ "$status" -eq 1 ] || { echo "$run: a refused mod gave exit status $status, not 1" >&2; exit 1; }
  echo "$run: the round trip's seven runs took $(milliseconds_since "$start") ms"
done
if [ "$(grep -c '^\[' "$trip/windows/after.toml")" -ne 1 ]; then
  cat "$trip/windows/after.toml"
  echo "The target game still differs from the source after the round trip with orvane.exe" >&2
  exit 1
fi
count=$(find "$trip/windows" -type f | wc -l)
diff -r "$trip/linux" "$trip/windows" || { echo "orvane.exe wrote other files than the Linux orvane" >&2; exit 1; }
echo "The round trip with orvane.exe: the same $count files as the Linux orvane, byte for byte"

# A game folder holding ENGLISH.DAT and english.dat (Wine keeps the Linux names, as a case-sensitive
# folder on Windows does): orvane.exe names both and refuses, rather than read one and write it over the other.
twins="$work/twins"
cp -r "$work/windows/ce" "$twins"
cp "$twins/GEODATA/ENGLISH.DAT" "$twins/GEODATA/english.dat"
status=0
message=$(wine "$root/$cross/tools/cli/orvane.exe" info "$twins/QEV.EXE" 2>&1 >/dev/null | tr -d '\r') || status=$?
if [ "$status" -ne 1 ] || [[ "$message" != *"holds both ENGLISH.DAT and english.dat"* ]]; then
  echo "orvane.exe on a folder with ENGLISH.DAT and english.dat: exit status $status, \"$message\"" >&2
  exit 1
fi
echo "A folder with ENGLISH.DAT and english.dat: orvane.exe refused with exit status 1, naming both"

echo "windows: ${passed} passed, 0 failed, ${skipped:-0} skipped"
