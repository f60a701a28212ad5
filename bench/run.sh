#!/usr/bin/env bash
# bench/run.sh [ROUNDS]: start-up cost of LX7314.EXE under Wine against its
# physical floor.  Each round runs, in turn:
#   1 the launcher on a suppressed auto-start (AUTOSTART=1, "/autostart")
#   2 a GUI program that returns at once (bench/empty_gui.cpp)
#   3 the launcher starting the stub REVADOR.EXE from the install directory
#   4 a program that only calls WinExec with the same command line
# and prints the medians, the ratios 1/2 and 3/4, the exe's size and imports.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-30}
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null

measure() {
  set -euo pipefail
  local c="$WINEPREFIX/drive_c/bench"
  rm -rf "$c"; mkdir -p "$c/own" "$c/installed"
  cp build/windows/LX7314.EXE "$c/own/"
  cp build/windows/tests/wine/REVADOR.EXE "$c/installed/"
  cp build/windows/bench/bench_empty_gui.exe build/windows/bench/bench_winexec_only.exe "$c/"
  printf '[REVADOR]\r\nAUTOSTART=1\r\n' > "$WINEPREFIX/drive_c/windows/LX7314.INI"
  wine reg add 'HKLM\SOFTWARE\Kelmor\ReVador\9.0' /v InstallDir /t REG_SZ /d 'C:\bench\installed' /f >/dev/null
  local -a names=(suppressed floor_gui launch floor_winexec)
  local -a commands=(
    'C:\bench\own\LX7314.EXE /autostart'
    'C:\bench\bench_empty_gui.exe'
    'C:\bench\own\LX7314.EXE doc'
    'C:\bench\bench_winexec_only.exe "C:\bench\installed\REVADOR.EXE" doc')
  local samples; samples=$(mktemp)
  for round in $(seq "$rounds"); do
    for i in 0 1 2 3; do
      local start end
      start=$(date +%s%N)
      eval "wine ${commands[$i]//\\/\\\\}" >/dev/null 2>&1 || true
      end=$(date +%s%N)
      echo "${names[$i]} $(( (end - start) / 1000 ))" >> "$samples"
    done
  done
  wine reg delete 'HKLM\SOFTWARE\Kelmor\ReVador\9.0' /f >/dev/null
  rm -f "$WINEPREFIX/drive_c/windows/LX7314.INI"
  python3 - "$samples" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    name, micros = line.split()
    runs.setdefault(name, []).append(int(micros) / 1000)
m = {name: statistics.median(v) for name, v in runs.items()}
for name in ("suppressed", "floor_gui", "launch", "floor_winexec"):
    print(f"{name:14} median {m[name]:8.1f} ms over {len(runs[name])} runs")
print(f"suppressed / floor_gui     = {m['suppressed'] / m['floor_gui']:.3f}  (goal <= 1.05)")
print(f"launch     / floor_winexec = {m['launch'] / m['floor_winexec']:.3f}  (goal <= 1.10)")
PY
  rm -f "$samples"
}
export -f measure
export rounds
source scripts/wine-env
if ! wine_runs_32bit; then
  echo "bench: $WINE_UNAVAILABLE_REASON" >&2
  exit 1
fi
scripts/with-wine bash -c measure
echo "LX7314.EXE: $(stat -c %s build/windows/LX7314.EXE) bytes (goal <= 65536)"
tests/build/check_imports.sh build/windows/LX7314.EXE
