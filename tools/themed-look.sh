#!/bin/sh
# Makes a Wine prefix show programs as Windows 10 and 11 show them, for the screenshots: the
# themed look (Wine's "Light" visual style) at 96 DPI, and window frames drawn by Wine itself
# rather than by the virtual display's window manager (a frame with the program's own boxes:
# the check window and About have a close box only).
# Wine draws the symbols of the caption boxes (the close box's cross) as letters of the
# Marlett font; a prefix made by this Wine has none of Wine's own fonts in C:\windows\Fonts,
# and without Marlett the close box shows a plain letter "r". Wine's copy is put there.
# Usage: tools/themed-look.sh   (the prefix: $WINEPREFIX, by default ~/.wine-morvane-screenshots)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$HOME/.wine-morvane-screenshots}"
wine_arch=win64
. "$here/wine-env.sh"
"$here/wine-prefix.sh"
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || { echo "themed-look: no $marlett (Debian's fonts-wine)" >&2; exit 1; }
cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
set_value() {  # KEY NAME TYPE DATA
  "$WINE" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}
theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
set_value "$theme" ThemeActive REG_SZ 1
set_value "$theme" DllName REG_SZ 'C:\windows\resources\themes\light\light.msstyles'
set_value "$theme" ColorName REG_SZ Blue
set_value "$theme" SizeName REG_SZ NormalSize
set_value 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 96
set_value 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ N
"$SERVER" -w
