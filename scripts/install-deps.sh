#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build and test, when any is missing.
# With the argument "windows": those of the Windows cross build and its run under Wine as well; with
# "web": emscripten, binaryen, Node.js with npm and Chromium for the web edition and its tests.
set -euo pipefail

packages=(g++ cmake make libgtest-dev qt6-base-dev qt6-base-dev-tools libgl-dev util-linux)
packages+=(libtomlplusplus-dev) # the mod files (TOML), used as headers only
packages+=(libutf8proc-dev) # the mod files' texts brought to composed form (NFC)
packages+=(python3-jsonschema) # the check of the mod files' JSON Schema (tests/schema)
packages+=(libcli11-dev groff-base) # the arguments of the command-line tool (headers only); its manual page's check
packages+=(clang clang-format) # the fuzz targets; the style check
# Qt's SVG plugins (they draw the window icon from the SVG while building), the package build and the
# checks of the desktop entry and metainfo.
packages+=(libqt6svg6 dpkg-dev desktop-file-utils appstream)
# The screen-reader walk: a display, the session and accessibility buses and the AT-SPI client. Qt's
# xcb platform plugin and its libraries come with libqt6gui6.
packages+=(xvfb dbus at-spi2-core python3-pyatspi)
if [ "${1:-}" = windows ]; then
  # MinGW-w64 with POSIX threads, Wine and GoogleTest's sources to build for Windows. The cross build
  # takes the header-only libraries above (toml++, CLI11) from a folder of its own.
  packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 googletest)
fi
if [ "${1:-}" = web ]; then
  packages+=(emscripten binaryen googletest chromium)
  command -v npm >/dev/null || packages+=(nodejs npm)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
