#!/bin/sh
# Builds Morvane's Windows Installer package from installer/Morvane.wxs.
# Usage: installer/make-msi.sh x86|x64 VERSION SOURCE_DIR ICON CLOSE_RUNNING_DLL OUTPUT.msi
# SOURCE_DIR holds Morvane.exe, morvane-check.exe and the files that ship beside it; CLOSE_RUNNING_DLL is the
# custom action that ends a running Morvane first (close_running.cpp). wixl cannot say two
# things the package needs, so they are set in the built database afterwards:
# - the settings component is never overwritten: repair and upgrade put Settings.ini back
#   when it is missing, but leave a user's edited one alone;
# - an upgrade removes the older version after the new files are in place, so the settings
#   component, shared by both, is never removed in between; and before the new version is
#   registered, so that the product family's registration, which the removal clears under
#   Wine, is written afresh. Standing just after InstallExecute, as Windows requires;
# - the feature "Command line" appends the Morvane folder to the machine's PATH, and its
#   removal (or the product's) takes that part out again, leaving the rest as it was.
set -eu
[ $# -eq 6 ] || { echo "usage: $0 x86|x64 VERSION SOURCE_DIR ICON CLOSE_RUNNING_DLL OUTPUT.msi" >&2; exit 2; }
arch=$1 version=$2 source=$3 icon=$4 close_running=$5 output=$6
here=$(cd "$(dirname "$0")" && pwd)
case $arch in x86|x64) ;; *) echo "make-msi: architecture is x86 or x64, not $arch" >&2; exit 2 ;; esac

mkdir -p "$(dirname "$output")"
# wixl finds files only by paths relative to the current folder.
source=$(realpath --relative-to=. "$source") icon=$(realpath --relative-to=. "$icon")
close_running=$(realpath --relative-to=. "$close_running")
# wixl warns about the attributes it ignores (the two fixed below); its other messages stay.
wixl -a "$arch" -D Arch="$arch" -D Version="$version" -D SourceDir="$source" -D IconFile="$icon" \
     -D CloseRunningDll="$close_running" \
     -o "$output" "$here/Morvane.wxs" 2>&1 |
  grep -v -e "no property named 'NeverOverwrite'" -e "no property named 'Schedule'" \
          -e '^$' -e 'builder.vala:699: unimplemented' >&2 || true
[ -s "$output" ] || { echo "make-msi: wixl made no package" >&2; exit 1; }

never_overwrite=128
attributes=$(msiinfo export "$output" Component | awk -F '\t' '$1 == "Settings" { print $4 }')
[ -n "$attributes" ] || { echo "make-msi: no Settings component in $output" >&2; exit 1; }
msibuild "$output" -q "UPDATE Component SET Attributes = $((attributes | never_overwrite)) WHERE Component = 'Settings'"
# InstallFiles is at 4000, CreateShortcuts at 4500.
msibuild "$output" -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('InstallExecute', 4001)" \
                   -q "UPDATE InstallExecuteSequence SET Sequence = 4002 WHERE Action = 'RemoveExistingProducts'"

# Environment: "=" sets the variable, "-" undoes it on removal, "*" is the machine's rather
# than the user's; "[~];" before the value appends it to what PATH holds.
msibuild "$output" -q "CREATE TABLE \`Environment\` (\`Environment\` CHAR(72) NOT NULL, \`Name\` CHAR(255) NOT NULL LOCALIZABLE, \`Value\` CHAR(255) LOCALIZABLE, \`Component_\` CHAR(72) NOT NULL PRIMARY KEY \`Environment\`)" \
                   -q "INSERT INTO \`Environment\` (\`Environment\`, \`Name\`, \`Value\`, \`Component_\`) VALUES ('MorvaneOnPath', '=-*PATH', '[~];[INSTALLDIR]', 'CommandLinePath')"
# Their standard places: removed before the files (RemoveFiles is at 3500), written after them.
for action in RemoveEnvironmentStrings:3300 WriteEnvironmentStrings:5200; do
  sequence=$(msiinfo export "$output" InstallExecuteSequence | awk -F '\t' -v a="${action%:*}" '$1 == a { print $3 }')
  [ -n "$sequence" ] ||
    msibuild "$output" -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('${action%:*}', ${action#*:})"
done
