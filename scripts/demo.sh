#!/usr/bin/env bash
# Builds LX7314.EXE and runs it under Wine against a demo installation:
# C:\demo\ReVador holds the launcher and a demo REVADOR.EXE that records its
# command line and current directory, which are printed at the end.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
source scripts/wine-env
if ! wine_runs_32bit; then
  echo "demo: $WINE_UNAVAILABLE_REASON" >&2
  exit 1
fi

run_demo() {
  local install="$WINEPREFIX/drive_c/demo/ReVador"
  rm -rf "$WINEPREFIX/drive_c/demo"
  mkdir -p "$install"
  cp build/windows/LX7314.EXE "$install/"
  cp build/windows/tests/wine/REVADOR.EXE "$install/"
  export REVADOR_RECORD='C:\demo\started.txt'
  echo 'demo: wine C:\demo\ReVador\LX7314.EXE "C:\My Documents\demo.rvd"'
  wine 'C:\demo\ReVador\LX7314.EXE' 'C:\My Documents\demo.rvd'
  echo "demo: launcher exit code $?"
  for _ in $(seq 100); do [ -s "$WINEPREFIX/drive_c/demo/started.txt" ] && break; sleep 0.1; done
  echo "demo: REVADOR.EXE was started as (current directory|command line):"
  iconv -f CP932 -t UTF-8 "$WINEPREFIX/drive_c/demo/started.txt"
}
export -f run_demo
scripts/with-wine bash -c run_demo
