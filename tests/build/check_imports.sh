#!/usr/bin/env bash
# check_imports.sh EXE: fails unless EXE imports KERNEL32 and msvcrt only at
# load time.  USER32 and ADVAPI32 are bound at first use
# (runtime/late_binding.cpp), so a run that never calls them never loads them.
set -euo pipefail
allowed='^(KERNEL32|msvcrt)\.dll$'
dlls=$(i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p')
echo "imports: $(echo $dlls)"
bad=$(echo "$dlls" | grep -Eiv "$allowed" || true)
if [ -n "$bad" ]; then
  echo "imported at load time: $bad"
  exit 1
fi
