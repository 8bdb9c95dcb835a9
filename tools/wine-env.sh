# Sourced by the Wine scripts after they set wine_arch to win64 (the default) or win32: picks
# that build's Wine and prefix and exports the quiet settings. Defines:
#   WINE      the loader         SERVER   the server (Debian's 64-bit one for both builds)
#   WINEPREFIX                   wine_unready [REASON]: says why 32-bit Wine cannot run, or nothing
# win64: Debian's Wine; the prefix is $WINEPREFIX, by default ~/.wine-morvane.
# win32: the 32-bit Wine that tools/setup-win32.sh unpacked into $MORVANE_WIN32_RUNTIME (by
#   default ~/.morvane-win32), whose i386 programs run under qemu-i386 through binfmt_misc;
#   the prefix is $MORVANE_WINEPREFIX32, by default ~/.wine-morvane32.
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
SERVER=/usr/lib/wine/wineserver64
case ${wine_arch:-win64} in
  win64)
    : "${WINEPREFIX:=$HOME/.wine-morvane}"
    WINE=/usr/lib/wine/wine64 ;;
  win32)
    : "${MORVANE_WIN32_RUNTIME:=$HOME/.morvane-win32}" "${MORVANE_WINEPREFIX32:=$HOME/.wine-morvane32}"
    WINEPREFIX=$MORVANE_WINEPREFIX32
    WINE=$MORVANE_WIN32_RUNTIME/wine/usr/lib/wine/wine
    # The loader starts the server by this name; the native one serves 32-bit programs too.
    export WINEARCH=win32 WINESERVER=$SERVER MORVANE_WIN32_RUNTIME MORVANE_WINEPREFIX32 ;;
  *) echo "wine-env: unknown architecture ${wine_arch}" >&2; exit 2 ;;
esac
export WINEPREFIX

# Prints nothing when 32-bit Windows programs can run here, else why not, in a few words.
wine_unready() {
  if [ "${wine_arch:-win64}" != win32 ]; then
    return 0
  elif [ ! -x "$WINE" ]; then
    echo "no 32-bit Wine in $MORVANE_WIN32_RUNTIME (tools/setup.sh, as root, prepares it)"
  elif [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo "32-bit programs have no emulator registered with binfmt_misc (tools/setup.sh, as root, registers it)"
  elif ! "$WINE" --version >/dev/null 2>&1; then
    echo "the 32-bit Wine loader does not start under emulation"
  fi
}
