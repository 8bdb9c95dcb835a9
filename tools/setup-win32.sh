#!/bin/sh
# Prepares the runtime the 32-bit (release) build is tested in. This machine's kernel runs no
# 32-bit x86 code, so 32-bit Wine runs under qemu's user-mode emulation:
#   1. qemu-i386, from qemu-user of the archive's backports suite (Debian 12's own qemu spends
#      a minute of CPU starting each Wine process), fetched with a private apt configuration
#      and unpacked into $MORVANE_WIN32_RUNTIME/bin (default ~/.morvane-win32);
#   2. binfmt_misc registered to start every i386 program with it (lost at reboot: checked
#      on every run);
#   3. the i386 libraries 32-bit Wine needs, installed system-wide;
#   4. wine32 and libwine for i386, the version of Debian's Wine, unpacked into
#      $MORVANE_WIN32_RUNTIME/wine and never installed: in /usr they would turn every 64-bit
#      prefix into a WoW64 one; then zlib1.dll made a Wine builtin, as libwine's setup would;
#   5. the 32-bit prefix, $MORVANE_WINEPREFIX32 (default ~/.wine-morvane32).
# Called by tools/setup.sh; quiet, and each step is done once. Steps 1 to 3 need root or sudo.
# When a step cannot be done it says so in one line and ends with success: the 32-bit tests
# then report themselves as not run (tools/with-wine.sh --win32).
# Nothing is fetched from outside the Debian archive the system already uses.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
wine_arch=win32
. "$here/wine-env.sh"
rt=$MORVANE_WIN32_RUNTIME
log=$rt/setup.log
mkdir -p "$rt"
exec 9>"$rt/setup.lock"
flock 9  # one setup at a time

give_up() {
  echo "setup: 32-bit Windows tests will not run: $* (details: $log)"
  exit 0
}
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null 2>&1; then sudo "$@"; else return 1; fi
}
apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"; }
quietly() { "$@" >>"$log" 2>&1; }

# 1. qemu-i386
qemu=$rt/bin/qemu-i386
if [ ! -x "$qemu" ]; then
  echo "setup: fetching qemu-user from the backports suite for 32-bit Windows tests"
  . /etc/os-release
  uri=$(awk -v RS= '/(^|\n)Suites:[^\n]* '"$VERSION_CODENAME"'([ \n]|$)/ {
          if (match($0, /(^|\n)URIs: *[^ \n]+/)) { s = substr($0, RSTART, RLENGTH); sub(/.*URIs: */, "", s); print s; exit } }' \
        /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [ -n "$uri" ] || uri=$(sed -n "s/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) $VERSION_CODENAME .*/\2/p" /etc/apt/sources.list 2>/dev/null | head -n 1)
  [ -n "$uri" ] || give_up "no Debian archive in the apt sources"
  apt=$rt/apt
  rm -rf "$apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$rt/bin"
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $VERSION_CODENAME-backports main" >"$apt/sources.list"
  private="-o Dir::Etc::sourcelist=$apt/sources.list -o Dir::Etc::sourceparts=- -o Dir::State::Lists=$apt/lists
    -o Dir::Cache=$apt/cache -o APT::Architectures=amd64 -o APT::Sandbox::User=root"
  # shellcheck disable=SC2086
  { quietly apt-get $private update &&
    (cd "$apt" && quietly apt-get $private download "qemu-user/$VERSION_CODENAME-backports") &&
    quietly dpkg -x "$apt"/qemu-user_*.deb "$apt/unpacked" &&
    cp "$apt/unpacked/usr/bin/qemu-i386" "$qemu.tmp" && mv "$qemu.tmp" "$qemu"; } ||
    give_up "qemu-user could not be fetched from $VERSION_CODENAME-backports"
  rm -rf "$apt"
fi

# 2. binfmt_misc
binfmt=/proc/sys/fs/binfmt_misc
# An entry already enabled for this same qemu-i386 (from another folder) is kept as it is.
registered=$(sed -n 's/^interpreter //p' "$binfmt/qemu-i386" 2>/dev/null || true)
if ! { grep -qx enabled "$binfmt/qemu-i386" 2>/dev/null && cmp -s "$registered" "$qemu"; }; then
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  as_root sh -c "
    [ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt || exit 1
    [ ! -e $binfmt/qemu-i386 ] || echo -1 >$binfmt/qemu-i386
    printf '%s' ':qemu-i386:M::$magic:$mask:$qemu:OPF' >$binfmt/register" >>"$log" 2>&1 ||
    give_up "binfmt_misc cannot be used here (it needs root and a kernel that offers it)"
fi

# 3. the i386 libraries: what installing wine32 would bring, without wine32 and libwine
version=$(dpkg-query -W -f='${Version}' libwine:amd64 2>/dev/null) || give_up "Debian's Wine is not installed"
libraries=$rt/i386-libraries
installed() {
  # shellcheck disable=SC2046
  [ -s "$libraries" ] && status=$(dpkg-query -W -f='${db:Status-Abbrev}\n' $(cat "$libraries") 2>/dev/null) &&
    ! echo "$status" | grep -qv '^ii'
}
if ! installed; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    quietly as_root dpkg --add-architecture i386 || give_up "the i386 architecture cannot be added"
    quietly apt_get update || give_up "apt-get update failed"
  fi
  plan() { apt-get -s install --no-install-recommends "wine32:i386=$version" 2>>"$log"; }
  inst=$(plan) || { quietly apt_get update && inst=$(plan); } || give_up "wine32:i386 $version is not in the archive"
  needed=$(echo "$inst" | awk '$1 == "Inst" && $2 != "wine32:i386" && $2 != "libwine:i386" { print $2 }')
  if [ -n "$needed" ]; then
    echo "setup: installing the i386 libraries 32-bit Wine needs (a few minutes)"
    # shellcheck disable=SC2086
    quietly apt_get install -y --no-install-recommends $needed || give_up "the i386 libraries could not be installed"
  fi
  # what to look for next time: every i386 package now installed
  dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" && $2 ~ /:i386$/ { print $2 }' >"$libraries"
fi

# 4. wine32 and libwine, unpacked
if [ "$(cat "$rt/wine/version" 2>/dev/null)" != "$version" ]; then
  echo "setup: unpacking 32-bit Wine $version into $rt/wine"
  rm -rf "$rt/wine" "$rt/debs"
  mkdir -p "$rt/debs"
  unpack() { for deb; do quietly dpkg -x "$deb" "$rt/wine" || return 1; done; }
  (cd "$rt/debs" && quietly apt-get -o APT::Sandbox::User=root download "wine32:i386=$version" "libwine:i386=$version") &&
    unpack "$rt"/debs/*.deb ||
    give_up "wine32 and libwine $version could not be fetched and unpacked"
  rm -rf "$rt/debs"
  # libwine's setup script makes the MinGW zlib1.dll a builtin DLL by stamping its header;
  # without it user32.dll does not load.
  for pair in i386:i686 x86_64:x86_64; do
    zlib=/usr/${pair#*:}-w64-mingw32/lib/zlib1.dll
    [ -f "$zlib" ] || give_up "$zlib is missing (package libz-mingw-w64)"
    { head -c 64 "$zlib"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zlib"; } \
      >"$rt/wine/usr/lib/i386-linux-gnu/wine/${pair%:*}-windows/zlib1.dll"
  done
  echo "$version" >"$rt/wine/version"
fi

# 5. the prefix
reason=$(wine_unready)
[ -z "$reason" ] || give_up "$reason"
"$here/wine-prefix.sh" --win32 || give_up "the 32-bit prefix $WINEPREFIX could not be created"
