#!/bin/sh
# Sets everything up and runs Morvane.exe with its data under Wine: the 64-bit build, or with
# --win32 the 32-bit release build (the exe that ships) under emulated 32-bit Wine. On a Linux
# desktop it starts into the tray; without a display it checks a sample word on a virtual
# display and saves a screenshot (tools/run-windows.sh says where).
# Usage: tools/run.sh [--win32]
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
case ${1:-} in
  --win32) exec tools/run-windows.sh --win32 "$PWD/build/win32" ;;
  "") exec tools/run-windows.sh "$PWD/build/win64" ;;
  *) echo "usage: tools/run.sh [--win32]" >&2; exit 2 ;;
esac
