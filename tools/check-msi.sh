#!/bin/sh
# Validates a Morvane installer package without installing it (the 32-bit one cannot be
# installed here): its tables, file list, version, product family, the settings file kept by
# repair and upgrade, that every component's key path exists, the custom action that ends a
# running Morvane, and the feature that puts the Morvane folder on PATH.
# Usage: tools/check-msi.sh PACKAGE x86|x64 VERSION
set -eu
msi=$1 arch=$2 version=$3
status=0
fail() { echo "FAIL: $msi: $*" >&2; status=1; }
table() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }  # rows only, tab-separated
column() { table "$1" | awk -F '\t' -v c="$2" '{ print $c }' | sort | tr '\n' ' '; }
property() { table Property | awk -F '\t' -v p="$1" '$1 == p { print $2 }'; }

case $arch in x86) template="Intel;1033" bits=0 ;; x64) template="x64;1033" bits=256 ;;
  *) echo "usage: $0 PACKAGE x86|x64 VERSION" >&2; exit 2 ;; esac
msiinfo suminfo "$msi" | grep -qx "Template: $template" || fail "not an $arch package"

tables=$(msiinfo tables "$msi" | tr '\n' ' ')
for t in Component Directory Environment Feature FeatureComponents File Icon InstallExecuteSequence \
         Media Property Registry Shortcut Upgrade; do
  case " $tables " in *" $t "*) ;; *) fail "no $t table" ;; esac
done

files=$(column File 3)
expected="Morvane.dictionary Morvane.dictionary.copyright Morvane.exe ReadMe.txt Settings.ini morvane-check.exe "
[ "$files" = "$expected" ] || fail "files are '$files', not '$expected'"
[ "$(property ProductVersion)" = "$version" ] || fail "version $(property ProductVersion), not $version"
[ "$(property ProductName)" = Morvane ] || fail "product name $(property ProductName)"
[ "$(property Manufacturer)" = "Morvane authors" ] || fail "publisher $(property Manufacturer)"
[ "$(property UpgradeCode)" = "{45368EA4-B946-48F1-A42D-7F79633615D9}" ] ||
  fail "the product family's upgrade code changed: $(property UpgradeCode)"
[ "$(column Shortcut 3)" = "Morvane " ] || fail "the Start menu shortcut is not one named Morvane"

# Each component: its key path is a file of the package, a registry row when bit 4 says so, or
# none (its folder); 64-bit components in the x64 package only.
file_keys=" $(column File 1)"
registry_keys=" $(column Registry 1)"
table Component | awk -F '\t' -v files="$file_keys" -v registry="$registry_keys" -v bits=$bits '
  { keys = (int($4 / 4) % 2) ? registry : files
    if ($6 != "" && index(keys, " " $6 " ") == 0) { print "component " $1 " has no key path \"" $6 "\""; bad = 1 }
    if ((int($4 / 256) % 2) * 256 != bits) { print "component " $1 " is of the other architecture"; bad = 1 } }
  END { exit bad }' >&2 || fail "components above"

settings=$(table Component | awk -F '\t' '$1 == "Settings" { print $4 }')
[ $(( ${settings:-0} & 128 )) -ne 0 ] || fail "Settings.ini may be overwritten by a repair"
sequence() { table InstallExecuteSequence | awk -F '\t' -v a="$1" '$1 == a { print $3 }'; }
remove_older=$(sequence RemoveExistingProducts)
[ "$remove_older" -gt "$(sequence InstallFiles)" ] ||
  fail "an upgrade removes the older version before installing, losing its settings"
[ "$remove_older" -lt "$(sequence RegisterProduct)" ] ||
  fail "an upgrade removes the older version after registering the new one"
[ "$(sequence InstallExecute)" = $((remove_older - 1)) ] ||
  fail "RemoveExistingProducts does not follow InstallExecute"

# The custom action that ends a running Morvane: a DLL of the package's architecture that
# exports its entry point by its plain name, run before InstallValidate.
[ "$(sequence CloseRunningMorvane)" -lt "$(sequence InstallValidate)" ] 2>/dev/null ||
  fail "a running Morvane is not asked to end before the files are touched"
dll=$(mktemp)
msiinfo extract "$msi" Binary.CloseRunning > "$dll" 2>/dev/null || true
case $arch in x86) kind="PE32 executable (DLL)" ;; x64) kind="PE32+ executable (DLL)" ;; esac
case $(file -b "$dll") in "$kind"*) ;; *) fail "the custom action is not an $arch DLL: $(file -b "$dll")" ;; esac
x86_64-w64-mingw32-objdump -p "$dll" 2>/dev/null | grep -q '^[[:space:]]*\[ *[0-9]*\] CloseRunningMorvane$' ||
  fail "the custom action DLL does not export CloseRunningMorvane by that name"
rm -f "$dll"

# morvane-check beside Morvane.exe, in the main feature; the feature "Command line", installed
# by default, appends the folder to the machine's PATH and takes it out again on removal.
feature_of() { table FeatureComponents | awk -F '\t' -v c="$1" '$2 == c { print $1 }'; }
component_of_file() { table File | awk -F '\t' -v f="$1" '$3 == f { print $2 }'; }
[ "$(feature_of "$(component_of_file morvane-check.exe)")" = Main ] ||
  fail "morvane-check.exe is not installed with the main feature"
[ "$(table Environment | cut -f 2-)" = "=-*PATH	[~];[INSTALLDIR]	CommandLinePath" ] ||
  fail "the PATH row is not the one that appends the Morvane folder: $(table Environment | cut -f 2-)"
[ "$(feature_of CommandLinePath)" = CommandLine ] || fail "PATH is not set by the feature CommandLine"
[ "$(table Feature | awk -F '\t' '$1 == "CommandLine" { print $3 "/" $6 }')" = "Command line/1" ] ||
  fail "the feature CommandLine is not \"Command line\", installed by default"
for action in WriteEnvironmentStrings RemoveEnvironmentStrings; do
  [ -n "$(sequence $action)" ] || fail "$action is not in the install sequence"
done

[ $status -ne 0 ] || echo "$(basename "$msi"): $arch package of Morvane $version; files: $files"
exit $status
