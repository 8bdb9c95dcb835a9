#!/bin/sh
# Creates the project's own quiet Wine prefix once (about 15 s); later calls return at once.
set -eu
: "${WINEPREFIX:=$HOME/.wine-morvane}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] && exit 0
echo "setup: creating the Wine prefix $WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
flock "$WINEPREFIX.lock" sh -c '
  [ -f "$WINEPREFIX/system.reg" ] || { /usr/lib/wine/wine64 wineboot -i; /usr/lib/wine/wineserver -w; }
' >/dev/null 2>&1
