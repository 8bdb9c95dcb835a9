#!/bin/sh
# Installs everything Morvane needs to build, run and test on Debian 12, and prepares the
# project's own Wine prefixes: the 64-bit one, and the emulated 32-bit Wine and its prefix
# (tools/setup-win32.sh). Safe to run again: it installs only what is missing.
set -eu

packages="cmake ninja-build g++ clang libclang-rt-14-dev llvm
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64
  wine wine64 fonts-wine xvfb xauth x11-apps imagemagick xterm fonts-dejavu-core
  wamerican wamerican-insane python3 zip file
  wixl msitools
  aspell aspell-en hunspell hunspell-en-us"
# installed without their recommends, which would bring a settings tool, a mail server and more
lean_packages="openbox emacs-nox elpa-eglot neovim"

missing=""
is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in $packages; do is_installed "$p" || missing="$missing $p"; done
lean_missing=""
for p in $lean_packages; do is_installed "$p" || lean_missing="$lean_missing $p"; done

if [ -n "$missing$lean_missing" ]; then
  echo "setup: installing$missing$lean_missing (a few minutes the first time)"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
  [ -z "$missing" ] || $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq $missing >/dev/null
  [ -z "$lean_missing" ] || $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends $lean_missing >/dev/null
fi

here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/wine-prefix.sh"
"$here/tools/setup-win32.sh"
