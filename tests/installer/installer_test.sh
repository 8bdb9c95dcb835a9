#!/bin/sh
# Installs, repairs, upgrades and uninstalls a package in a scratch Wine prefix of its own,
# made for this run and removed after it, on the test run's display: the 64-bit package with
# 64-bit Wine, the 32-bit one (the release) with the emulated 32-bit Wine.
# Usage: installer_test.sh x86|x64 INSTALLER_TESTS_EXE PACKAGE SHIPPED_FOLDER MAKE_MSI ICON
#                          CLOSE_RUNNING_DLL WORK_DIR
set -eu
arch=$1 tests_exe=$2 package=$3 shipped=$4 make_msi=$5 icon=$6 close_running=$7 work=$8
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
[ "$arch" = x86 ] && wine_arch=win32 || wine_arch=win64  # make_msi rejects any other than x86, x64
. "$(dirname "$0")/../../tools/wine-env.sh"

# A package of the next version, as a later release would be, made from the same files.
version=$(msiinfo export "$package" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductVersion" { print $2 }')
next_version=$(echo "$version" | awk -F . -v OFS=. '{ $NF = $NF + 1; print }')
rm -rf "$work"; mkdir -p "$work"
next_package=$work/Morvane-$next_version.msi
"$make_msi" "$arch" "$next_version" "$shipped" "$icon" "$close_running" "$next_package"

# No desktop menu entries are made for the Start menu shortcut: they would land in $HOME.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
finish() { "$SERVER" -k 2>/dev/null || true; rm -rf "$work"; }
trap finish EXIT
echo "installer_test: making the scratch prefix $WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1
timeout 120 "$SERVER" -w
# Kept between the steps, and for at most 30 s once the last of them ends, even if this
# script is killed.
"$SERVER" -p30
# Wine's services and desktop (with its notification area) started off the test's pipes.
"$WINE" wineboot </dev/null >/dev/null 2>&1

# Every file and folder on C:, and every registry key and value name under the machine's
# software key and the user's keys but Wine's own, one a line. reg can fail on a busy
# machine: it is tried again, and a snapshot without a key ends the test.
snapshot() {
  n=0
  for key in 'HKLM\Software' HKCU; do
    n=$((n + 1))
    rm -f "$work/$n.reg"
    for try in 1 2 3; do "$WINE" reg export "$key" "$work/$n.reg" /y >/dev/null 2>&1 && break; done
    [ -s "$work/$n.reg" ] || { echo "installer_test: could not export $key" >&2; exit 1; }
  done
  {
    (cd "$WINEPREFIX/drive_c" && find . | sed 's|^\.|C:|')
    cat "$work/1.reg" "$work/2.reg" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r' | awk '
      /^\[/ { key = $0; wine = index(key, "[HKEY_CURRENT_USER\\Software\\Wine") == 1; if (!wine) print "key " key }
      /^(@|")/ && !wine { sub(/"?=.*/, ""); print "value " key " : " $0 }'
  } | LC_ALL=C sort
}
# Another program starts at sign-in too, as on any Windows: its entry must stay. The test
# program is started once first, so that what any first start leaves is there before.
"$WINE" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v 'Another program' /d 'C:\other.exe' /f >/dev/null 2>&1
# The test program runs from the scratch folder: a program's own folder is searched before
# PATH, and the one it was built in holds the built morvane-check.exe.
cp "$tests_exe" "$work/installer_tests.exe"
tests_exe=$work/installer_tests.exe
"$WINE" "$tests_exe" >/dev/null 2>&1 || true
snapshot >"$work/before"
status=0
"$WINE" "$tests_exe" "$package" "$version" "$next_package" "$next_version" "$shipped" || status=$?

# After the uninstall the prefix is as it was, but for Windows Installer's own folder and keys
# (it makes them, empty, at its first install and keeps them, as every Windows has them) and
# the personal word list that the installed morvane-check saved: the user's, kept.
snapshot >"$work/after"
machine='	key \[HKEY_LOCAL_MACHINE\\Software\\'
installer="$machine"'Microsoft\\Windows\\CurrentVersion\\Installer'
LC_ALL=C comm -3 "$work/before" "$work/after" | grep -v -x -E -e '	C:/windows/Installer' \
  -e "$machine"'Classes\\Installer(\\Features|\\Products|\\UpgradeCodes)?]' \
  -e "$installer"'(\\UpgradeCodes|\\UserData(\\S-1-5-18(\\Components|\\Products)?)?)?]' \
  -e '	C:/users/[^/]*/AppData/Roaming/Morvane(/personal-words\.txt)?' \
  >"$work/difference" || true
if [ -s "$work/difference" ]; then
  echo "installer_test: the prefix after uninstalling differs (left: removed, right: left behind):"
  cat "$work/difference"
  status=1
fi
exit $status
