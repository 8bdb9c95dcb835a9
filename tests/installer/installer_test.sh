#!/bin/sh
# Installs, repairs, upgrades and uninstalls the 64-bit package in a scratch Wine prefix of its
# own, made for this run and removed after it, on the test run's display.
# Usage: installer_test.sh INSTALLER_TESTS_EXE PACKAGE SHIPPED_FOLDER MAKE_MSI ICON
#                          CLOSE_RUNNING_DLL WORK_DIR
set -eu
tests_exe=$1 package=$2 shipped=$3 make_msi=$4 icon=$5 close_running=$6 work=$7
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
WINE=/usr/lib/wine/wine64 SERVER=/usr/lib/wine/wineserver

# A package of the next version, as a later release would be, made from the same files.
version=$(msiinfo export "$package" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductVersion" { print $2 }')
next_version=$(echo "$version" | awk -F . -v OFS=. '{ $NF = $NF + 1; print }')
rm -rf "$work"; mkdir -p "$work"
next_package=$work/Morvane-$next_version.msi
"$make_msi" x64 "$next_version" "$shipped" "$icon" "$close_running" "$next_package"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
finish() {
  "$SERVER" -k 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
echo "installer_test: making the scratch prefix $WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1
timeout 120 "$SERVER" -w
# Kept between the steps, and for at most 30 s once the last of them ends, even if this
# script is killed.
"$SERVER" -p30
# Wine's services and desktop (with its notification area) started off the test's pipes.
"$WINE" wineboot </dev/null >/dev/null 2>&1
"$WINE" "$tests_exe" "$package" "$version" "$next_package" "$next_version" "$shipped"
