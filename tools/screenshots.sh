#!/bin/sh
# Photographs Morvane on a virtual display with window frames (openbox): the check window
# after checking a misspelt word, the tray menu and the About dialog, saved as PNG files in
# docs/screenshots/.
# Usage: tools/screenshots.sh [WIN64_BUILD_DIR]   (default: build/win64)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win64}
out="$here/docs/screenshots"
[ -d "$build" ] || cmake --preset win64 -S "$here" -B "$build" >/dev/null
cmake --build "$build" --target Morvane screenshot_driver >/dev/null
mkdir -p "$out"
# Always a virtual display, so the pictures do not depend on the desktop they are made on.
env -u DISPLAY "$here/tools/with-wine.sh" /usr/lib/wine/wine64 \
  "$build/bin/screenshot_driver.exe" all "$build/bin/Morvane.exe" "$out"
echo "screenshots: $out"
