#!/bin/sh
# Runs Morvane.exe (the win64 build) with its data under Wine.
# - On a Linux desktop (DISPLAY set): the program starts silently into the desktop's
#   notification area (or Wine's own tray window) and runs until its menu's Exit.
# - Without a display: on a virtual one, it opens the check window, checks a sample
#   misspelt word, saves a screenshot, says where, and ends.
# Usage: tools/run-windows.sh [WIN64_BUILD_DIR]   (default: build/win64)
#   MORVANE_SAMPLE_WORD   the word to check without a display (default: recieve)
#   MORVANE_SCREENSHOT    where to save that screenshot (default: <build>/morvane-check.png)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win64}
[ -d "$build" ] || cmake --preset win64 -S "$here" -B "$build" >/dev/null
cmake --build "$build" --target Morvane screenshot_driver >/dev/null
: "${WINEPREFIX:=$HOME/.wine-morvane}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/tools/wine-prefix.sh"

if [ -n "${DISPLAY:-}" ]; then
  echo "run-windows: Morvane is in the tray: left-click its icon to check a word, right-click it for the menu (Exit ends it)"
  exec /usr/lib/wine/wine64 "$build/bin/Morvane.exe"
fi

word=${MORVANE_SAMPLE_WORD:-recieve}
png=${MORVANE_SCREENSHOT:-$build/morvane-check.png}
case "$png" in /*) ;; *) png="$PWD/$png" ;; esac
"$here/tools/with-wine.sh" /usr/lib/wine/wine64 "$build/bin/screenshot_driver.exe" \
  check "$build/bin/Morvane.exe" "$png" "$word" >/dev/null
echo "run-windows: no display, so Morvane ran on a virtual one and checked \"$word\"."
echo "run-windows: screenshot of the check window: $png"
