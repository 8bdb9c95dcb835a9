#!/bin/sh
# Checks the 32-bit release programs, which this machine cannot run: they are 32-bit x86
# Windows executables of the right subsystem that need no DLL beyond Windows' own.
# Usage: tools/check-win32.sh DIRECTORY
set -eu
dir=$1
status=0
check() {
  exe=$1 subsystem=$2
  info=$(file -b "$dir/$exe")
  case $info in
    "PE32 executable ($subsystem) Intel 80386"*) ;;
    *) echo "FAIL: $exe is not a 32-bit x86 $subsystem program: $info" >&2; status=1 ;;
  esac
  dlls=$(x86_64-w64-mingw32-objdump -p "$dir/$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u)
  for dll in $dlls; do
    case $dll in
      ADVAPI32.DLL|COMCTL32.DLL|COMDLG32.DLL|GDI32.DLL|KERNEL32.DLL|MSVCRT.DLL|OLE32.DLL|OLEAUT32.DLL|\
      SHELL32.DLL|USER32.DLL|VERSION.DLL|OLEACC.DLL|UXTHEME.DLL|API-MS-WIN-*) ;;
      *) echo "FAIL: $exe needs $dll, which Windows does not provide" >&2; status=1 ;;
    esac
  done
  [ $status -ne 0 ] || echo "$exe: 32-bit $subsystem program; needs only $(echo $dlls | tr ' ' ',')"
}
check Morvane.exe GUI
check morvane-check.exe console
exit $status
