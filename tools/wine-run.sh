#!/bin/sh
# Runs one Windows program under Wine: CMake's emulator for the Windows builds, so ctest and
# test discovery can start .exe files. Without a display it starts a virtual one for itself;
# tools/with-wine.sh gives a whole test run one shared display and Wine server instead.
# Usage: tools/wine-run.sh [--win32] PROGRAM.exe [ARG...]   (--win32: the 32-bit Wine)
set -e
here=$(cd "$(dirname "$0")" && pwd)
wine_arch=win64
case ${1:-} in --win32|--win64) wine_arch=${1#--}; shift ;; esac
. "$here/wine-env.sh"
"$here/wine-prefix.sh" "--$wine_arch"
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "--$wine_arch" "$@"
exec "$WINE" "$@"
