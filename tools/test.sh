#!/bin/sh
# Sets everything up and runs every test: the engine and morvane-check natively, again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzzing run, the whole Windows
# test suite (64-bit build, under Wine in one session on a virtual display, with its
# installer package installed, repaired, upgraded and removed in a scratch prefix), and the
# checks of the 32-bit release build and its installer package, which this machine cannot run.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

step "fuzzing, briefly"
tools/fuzz.sh 30

step "Windows 64-bit build and tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
tools/with-wine.sh ctest --preset win64

step "Windows 32-bit release build"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
tools/check-win32.sh build/win32/bin
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
tools/check-msi.sh "build/win32/release/Morvane-$version-win32.msi" x86 "$version"

printf '\nAll tests passed.\n'
