#!/bin/sh
# Runs a command (usually ctest) inside one Wine session: one virtual X display with a
# window manager, and one persistent Wine server that every Windows process shares.
# Usage: tools/with-wine.sh [--win32] COMMAND [ARG...]
# --win32: the session of the 32-bit Wine that tools/setup-win32.sh prepares, in its own
# prefix; inside it, tools/wine-run.sh --win32 PROGRAM.exe [ARG...] runs a 32-bit program
# (an installer: tools/with-wine.sh --win32 tools/wine-run.sh --win32 msiexec /i X.msi /qn).
# Where 32-bit programs cannot run, it runs nothing, says why, and exits with status 77.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
wine_arch=win64
case ${1:-} in --win32|--win64) wine_arch=${1#--}; shift ;; esac
. "$here/wine-env.sh"
reason=$(wine_unready)
if [ -n "$reason" ]; then
  echo "with-wine: 32-bit Windows programs NOT RUN: $reason" >&2
  exit 77
fi
# One session a prefix at a time: a second one would end the first one's server (below). It
# waits for the first to end instead; the lock is held by flock, not by the session's programs.
if [ "${MORVANE_WINE_SESSION:-}" != "$WINEPREFIX" ]; then
  export MORVANE_WINE_SESSION="$WINEPREFIX"
  lock=$WINEPREFIX.session-lock
  mkdir -p "$(dirname "$lock")"
  flock -n "$lock" true ||
    echo "with-wine: waiting for the other Wine session in $WINEPREFIX to end" >&2
  exec flock -o "$lock" "$0" "--$wine_arch" "$@"
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "--$wine_arch" "$@"
fi
"$here/wine-prefix.sh" "--$wine_arch"
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
