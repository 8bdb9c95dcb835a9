#!/bin/sh
# Sets everything up and runs every test: the engine and morvane-check natively, again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzzing run, and the whole Windows
# test suite twice, each in one Wine session on a virtual display and each with the build's
# installer package installed, repaired, upgraded and removed in a scratch prefix: on the
# 64-bit build, then on the 32-bit release build (emulated 32-bit Wine), after the static
# checks of that build and its package. Ends with the time each step took. Where 32-bit
# programs cannot run here (see tools/setup-win32.sh), the 32-bit suite is reported as not run.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
times=""; step_name=""
end_step() {
  [ -z "$step_name" ] || times="$times$(printf '%6s s  %s' $(($(date +%s) - step_start)) "$step_name")
"
}
step() { end_step; step_name=$*; step_start=$(date +%s); printf '\n== %s\n' "$*"; }

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

step "Windows 64-bit build"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
step "Windows 64-bit tests under Wine"
tools/with-wine.sh ctest --preset win64

step "Windows 32-bit release build and its checks"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
tools/check-win32.sh build/win32/bin
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
tools/check-msi.sh "build/win32/release/Morvane-$version-win32.msi" x86 "$version"
step "Windows 32-bit tests under emulated 32-bit Wine"
not_run=""
tools/with-wine.sh --win32 ctest --preset win32 || {
  rc=$?
  [ $rc -eq 77 ] || exit $rc
  not_run="the 32-bit Windows suite (the reason is above)"
}
end_step

printf '\nTime of each step:\n%s' "$times"
if [ -n "$not_run" ]; then
  printf '\nAll tests that ran passed. NOT RUN: %s.\n' "$not_run"
else
  printf '\nAll tests passed.\n'
fi
