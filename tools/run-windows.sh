#!/bin/sh
# Runs Morvane.exe (the win64 build, or with --win32 the 32-bit release build under emulated
# 32-bit Wine) with its data.
# - On a Linux desktop (DISPLAY set): the program starts silently into the desktop's
#   notification area (or Wine's own tray window) and runs until its menu's Exit.
# - Without a display: on a virtual one, it opens the check window, checks a sample
#   misspelt word, saves a screenshot, says where, and ends.
# Usage: tools/run-windows.sh [--win32] [BUILD_DIR]   (default: build/win64 or build/win32)
#   MORVANE_SAMPLE_WORD   the word to check without a display (default: recieve)
#   MORVANE_SCREENSHOT    where to save that screenshot (default: <build>/morvane-check.png)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
wine_arch=win64
case ${1:-} in --win32|--win64) wine_arch=${1#--}; shift ;; esac
build=${1:-$here/build/$wine_arch}
[ -d "$build" ] || cmake --preset "$wine_arch" -S "$here" -B "$build" >/dev/null
cmake --build "$build" --target Morvane screenshot_driver >/dev/null
. "$here/tools/wine-env.sh"
reason=$(wine_unready)
[ -z "$reason" ] || { echo "run-windows: the 32-bit program cannot run here: $reason" >&2; exit 1; }
"$here/tools/wine-prefix.sh" "--$wine_arch"

if [ -n "${DISPLAY:-}" ]; then
  echo "run-windows: Morvane is in the tray: left-click its icon to check a word, right-click it for the menu (Exit ends it)"
  exec "$WINE" "$build/bin/Morvane.exe"
fi

word=${MORVANE_SAMPLE_WORD:-recieve}
png=${MORVANE_SCREENSHOT:-$build/morvane-check.png}
case "$png" in /*) ;; *) png="$PWD/$png" ;; esac
"$here/tools/with-wine.sh" "--$wine_arch" "$WINE" "$build/bin/screenshot_driver.exe" \
  check "$build/bin/Morvane.exe" "$png" "$word" >/dev/null
echo "run-windows: no display, so Morvane ($wine_arch) ran on a virtual one and checked \"$word\"."
echo "run-windows: screenshot of the check window: $png"
