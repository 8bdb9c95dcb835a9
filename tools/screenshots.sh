#!/bin/sh
# Photographs Morvane on a virtual display as Windows draws it: the check window after
# checking a misspelt word, the tray menu and the About dialog, saved as PNG files in
# docs/screenshots/. The photographs are taken in a prefix of their own, in the themed look at
# 96 DPI with frames drawn by Wine (tools/themed-look.sh); the tests' prefix stays as it is.
# Usage: tools/screenshots.sh [WIN64_BUILD_DIR]   (default: build/win64)
#   MORVANE_SCREENSHOT_PREFIX   the prefix (default: ~/.wine-morvane-screenshots)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win64}
out="$here/docs/screenshots"
[ -d "$build" ] || cmake --preset win64 -S "$here" -B "$build" >/dev/null
cmake --build "$build" --target Morvane screenshot_driver >/dev/null
mkdir -p "$out"
export WINEPREFIX="${MORVANE_SCREENSHOT_PREFIX:-$HOME/.wine-morvane-screenshots}"
"$here/tools/themed-look.sh"
# Always a virtual display, so the pictures do not depend on the desktop they are made on.
env -u DISPLAY "$here/tools/with-wine.sh" /usr/lib/wine/wine64 \
  "$build/bin/screenshot_driver.exe" all "$build/bin/Morvane.exe" "$out"
echo "screenshots: $out"
