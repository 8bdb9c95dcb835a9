#!/bin/sh
# Sets everything up and runs Morvane.exe (the 64-bit build) with its data under Wine: on a
# Linux desktop it starts into the tray; without a display it checks a sample word on a
# virtual display and saves a screenshot (tools/run-windows.sh says where).
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
exec tools/run-windows.sh "$PWD/build/win64"
