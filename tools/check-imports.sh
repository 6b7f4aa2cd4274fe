#!/usr/bin/env bash
# Checks that each DLL given imports only system DLLs (and Pixorel.dll): the
# compiler's runtime must be linked in, so nothing needs redistributing.
#   tools/check-imports.sh OBJDUMP Tessaro.dll Pixorel.dll
# (OBJDUMP: the MinGW objdump of the DLLs' architecture.)
set -euo pipefail
objdump=$1
shift
allowed='^(kernel32|user32|gdi32|imm32|msvcrt|ntdll|pixorel)\.dll$'
status=0
for dll in "$@"; do
  names=$("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p')
  for name in $names; do
    if ! echo "$name" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
      echo "$(basename "$dll") imports $name, which is not a system DLL"
      status=1
    fi
  done
  echo "$(basename "$dll") imports: $(echo $names)"
done
exit $status
