#!/bin/sh
# Creates the project's own quiet Wine prefix once (about 15 s; the 32-bit one under
# emulation, 20 s to 2 minutes); later calls return at once.
# Usage: tools/wine-prefix.sh [--win32]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
wine_arch=win64; case ${1:-} in --win32|--win64) wine_arch=${1#--} ;; esac
. "$here/wine-env.sh"
[ -f "$WINEPREFIX/system.reg" ] && exit 0
echo "setup: creating the Wine prefix $WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
flock "$WINEPREFIX.lock" sh -c '
  [ -f "$WINEPREFIX/system.reg" ] || { "$1" wineboot -i; "$2" -w; }
' sh "$WINE" "$SERVER" >/dev/null 2>&1
