#!/bin/sh
# Photographs a real editor in a terminal using Morvane as its language server: Neovim in
# xterm on a virtual display, a small Markdown file with its misspellings flagged and the list
# of suggestions for one of them open, saved as docs/screenshots/editor-diagnostics.png.
# Usage: tools/editor-screenshot.sh [NATIVE_BUILD_DIR]   (default: build/native)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/docs/screenshots/editor-diagnostics.png"

if [ "${1:-}" != --on-display ]; then
  build=${1:-$here/build/native}
  [ -d "$build" ] || cmake --preset native -S "$here" -B "$build" >/dev/null
  cmake --build "$build" --target morvane-check >/dev/null
  # Always a virtual display, so the picture does not depend on the desktop it is made on.
  exec env -u DISPLAY xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" --on-display "$build"
fi
build=$(cd "$2" && pwd)

scratch=$(mktemp -d)
xterm_pid=""
finish() {
  [ -z "$xterm_pid" ] || kill "$xterm_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT

cat >"$scratch/trip.md" <<'EOF'
# Trip notes

We will recieve the guests at the station on Friday
and take them to the harbor for a late lunch.

- Book a table for six at `Zwobble's`, near the pier
- Check the ferry times on https://example.com/ferries
- Bring the umbrela: the forecast says rain

The `teh` in code is left alone; teh one in prose is not.
EOF

marker="$scratch/list-shown"
cd "$scratch"
MORVANE_CHECK="$build/bin/morvane-check" MORVANE_SHOT_WORD=recieve MORVANE_SHOT_MARKER="$marker" \
  xterm -geometry 96x26+0+0 -b 12 -fa 'DejaVu Sans Mono' -fs 11 -bg '#262626' -fg '#e4e4e4' \
    -tn xterm-256color -e nvim -u "$here/tools/editor-screenshot.lua" -i NONE trip.md &
xterm_pid=$!

# Neovim writes the marker, xterm's window id, as it draws the list of suggestions.
waited=0
until [ -s "$marker" ]; do
  if [ "$waited" -ge 600 ] || ! kill -0 "$xterm_pid" 2>/dev/null; then
    echo "editor-screenshot: waited $((waited / 10)) s for Neovim to show Morvane's diagnostics" \
      "and the suggestions for 'recieve'; they did not come" >&2
    exit 1
  fi
  sleep 0.1
  waited=$((waited + 1))
done
window=$(head -n 1 "$marker")

# Then photographs the window until two pictures in a row are the same: the list is drawn.
previous=""
tries=0
while :; do
  xwd -silent -id "$window" -out "$scratch/shot.xwd"
  current=$(md5sum <"$scratch/shot.xwd")
  [ "$current" != "$previous" ] || break
  tries=$((tries + 1))
  if [ "$tries" -ge 100 ]; then
    echo "editor-screenshot: the terminal was still changing after 100 pictures" >&2
    exit 1
  fi
  previous=$current
  sleep 0.2
done
mkdir -p "$(dirname "$out")"
convert "xwd:$scratch/shot.xwd" -strip "$out"  # no time stamps: the same picture, the same file
echo "screenshot: $out"
