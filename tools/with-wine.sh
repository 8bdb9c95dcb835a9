#!/bin/sh
# Runs a command (usually ctest) inside one Wine session: one virtual X display with a
# window manager, and one persistent Wine server that every Windows process shares.
# Usage: tools/with-wine.sh COMMAND [ARG...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
: "${WINEPREFIX:=$HOME/.wine-morvane}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh"
WINE=/usr/lib/wine/wine64; SERVER=/usr/lib/wine/wineserver
# Without a window manager every hide or destroy of a top-level window waits about 2 s.
wm=""; if command -v openbox >/dev/null 2>&1; then openbox >/dev/null 2>&1 & wm=$!; fi
# A server left by an earlier run that was killed would keep this one waiting: end it.
timeout 30 "$SERVER" -w || { "$SERVER" -k 2>/dev/null || true; "$SERVER" -w; }
"$SERVER" -p
# Start Wine's own services now, off the command's pipes: started by the first test, they
# would hold ctest's output pipe open and ctest would never finish.
"$WINE" wineboot </dev/null >/dev/null 2>&1
set +e; "$@"; rc=$?; set -e
"$SERVER" -k 2>/dev/null || true
[ -z "$wm" ] || kill "$wm" 2>/dev/null || true
exit $rc
