#!/bin/sh
# Builds Morvane for both architectures and makes, in the output folder (build/release by
# default), Morvane-<version>-win32/ (the 32-bit release) and Morvane-<version>-win64/, each
# with the program, its data files and the read-me, a zip of each, and the installer packages
# Morvane-<version>-win32.msi and Morvane-<version>-win64.msi.
# Usage: tools/make-release.sh [OUTPUT_DIR]
# The builds go to build/win32 and build/win64; MORVANE_BUILD_PREFIX=build/me- would use
# build/me-win32 and build/me-win64 instead.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/build/release}
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
[ -n "$version" ] || { echo "make-release: no version in CMakeLists.txt" >&2; exit 1; }
mkdir -p "$out"
for arch in win32 win64; do
  build="${MORVANE_BUILD_PREFIX:-$here/build/}$arch"
  cmake --preset "$arch" -S "$here" -B "$build" >/dev/null
  cmake --build "$build" --target release
  name="Morvane-$version-$arch"
  rm -rf "$out/$name" "$out/$name.zip" "$out/$name.msi"
  cp -R "$build/release/Morvane-$version" "$out/$name"
  (cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
  cp "$build/release/$name.msi" "$out/$name.msi"
  echo "make-release: $out/$name, $out/$name.zip and $out/$name.msi"
done
