#!/usr/bin/env bash
# bench/run.sh [ROUNDS]: start-up cost of LX7314.EXE under Wine against
# floors that make the same system calls.  Three comparisons, ROUNDS pairs
# each:
#   a  the launcher on a suppressed auto-start (AUTOSTART=1, "/autostart"),
#      and bench/autostart_floor.c, which only reads AUTOSTART and the
#      command line (KERNEL32 and msvcrt, as the launcher imports);
#   b  the launcher starting the stub REVADOR.EXE from the installation
#      directory, and bench/launch_floor.c, which makes the same Win32 calls
#      in the same order and binds USER32 and ADVAPI32 the same way;
#   c  the launcher on the longest command line of arguments that fits,
#      15,979 one-byte ones and "/autostart" last, so that it scans them all
#      before it decides; and the autostart floor on the same command line.
# It prints the medians, the median of the pairwise ratios (each run against
# its partner of the same round), the exe's size and its imports.  Absolute
# times depend on the machine (under qemu-user they are several times those
# of native Wine); the ratios are what to compare.
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
  cp build/windows/bench/bench_autostart_floor.exe build/windows/bench/bench_launch_floor.exe "$c/"
  printf '[REVADOR]\r\nAUTOSTART=1\r\n' > "$WINEPREFIX/drive_c/windows/LX7314.INI"
  wine reg add 'HKLM\SOFTWARE\Kelmor\ReVador\9.0' /v InstallDir /t REG_SZ /d 'C:\bench\installed' /f >/dev/null
  local -a many=(); for _ in $(seq 15979); do many+=(x); done
  many+=(/autostart)
  local samples; samples=$(mktemp)
  run() {
    local name=$1 start end; shift
    start=$(date +%s%N)
    wine "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "$round $name $(( (end - start) / 1000 ))" >> "$samples"
  }
  # Each pair runs back to back, in turns launcher first and floor first, so
  # that what a run leaves behind (a started REVADOR.EXE ending) weighs on
  # both sides alike.
  pair() {
    local name=$1 launcher=$2 floor=$3; shift 3
    if (( round % 2 )); then
      run "${name}_launcher" "$launcher" "$@"; run "${name}_floor" "$floor" "$@"
    else
      run "${name}_floor" "$floor" "$@"; run "${name}_launcher" "$launcher" "$@"
    fi
  }
  local launcher='C:\bench\own\LX7314.EXE'
  # One comparison at a time: a launch's started program ending, or Wine
  # handling 15,980 arguments, would otherwise weigh on the next comparison.
  for round in $(seq "$rounds"); do pair a "$launcher" 'C:\bench\bench_autostart_floor.exe' /autostart; done
  for round in $(seq "$rounds"); do pair b "$launcher" 'C:\bench\bench_launch_floor.exe' doc; done
  for round in $(seq "$rounds"); do pair c "$launcher" 'C:\bench\bench_autostart_floor.exe' "${many[@]}"; done
  wine reg delete 'HKLM\SOFTWARE\Kelmor\ReVador\9.0' /f >/dev/null
  rm -f "$WINEPREFIX/drive_c/windows/LX7314.INI"
  python3 - "$samples" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    round_, name, micros = line.split()
    runs.setdefault(name, {})[round_] = int(micros) / 1000
def pairwise(name, partner):
    return statistics.median(runs[name][r] / runs[partner][r] for r in runs[name])
for name in ("a_launcher", "a_floor", "b_launcher", "b_floor", "c_launcher", "c_floor"):
    print(f"{name:11} median {statistics.median(runs[name].values()):8.1f} ms over {len(runs[name])} runs")
print(f"(a) suppressed run / autostart floor   = {pairwise('a_launcher', 'a_floor'):.3f}  (goal <= 1.05)")
print(f"(b) launch         / launch floor      = {pairwise('b_launcher', 'b_floor'):.3f}  (goal <= 1.02)")
print(f"(c) 15,980 arguments / the same floor = {pairwise('c_launcher', 'c_floor'):.3f}")
print(f"    15,980 arguments / suppressed run  = {pairwise('c_launcher', 'a_launcher'):.3f}"
      "  (the rest is Wine passing the arguments: see the floors)")
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
