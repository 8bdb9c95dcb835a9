#!/bin/sh
# Runs one Windows program under Wine: CMake's emulator for the win64 build, so ctest and
# test discovery can start .exe files. Without a display it starts a virtual one for itself;
# tools/with-wine.sh gives a whole test run one shared display and Wine server instead.
set -e
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$HOME/.wine-morvane}"; export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/wine-prefix.sh"
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
exec /usr/lib/wine/wine64 "$@"
