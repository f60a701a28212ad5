#!/usr/bin/env bash
# check_imports.sh EXE: fails unless EXE imports system DLLs only.
set -euo pipefail
allowed='^(KERNEL32|USER32|ADVAPI32|msvcrt)\.dll$'
dlls=$(i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p')
echo "imports: $(echo $dlls)"
bad=$(echo "$dlls" | grep -Eiv "$allowed" || true)
if [ -n "$bad" ]; then
  echo "not a system DLL: $bad"
  exit 1
fi
