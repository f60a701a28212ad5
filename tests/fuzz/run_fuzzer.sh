#!/usr/bin/env bash
# run_fuzzer.sh FUZZER SEEDS REGRESSIONS SECONDS: replays every seed and every
# saved regression input, then fuzzes from the seeds for SECONDS.  A crash
# fails the run and leaves its input as crash-* in the working directory;
# copy that into REGRESSIONS to keep it as a case.
set -uo pipefail
fuzzer=$1 seeds=$2 regressions=$3 seconds=$4
scratch=$(mktemp -d /tmp/lx7314-fuzz.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

shopt -s nullglob
inputs=("$seeds"/* "$regressions"/*)
if ! "$fuzzer" "${inputs[@]}" > "$scratch/replay.log" 2>&1; then
  tail -30 "$scratch/replay.log"
  exit 1
fi
echo "replayed ${#inputs[@]} saved inputs"

mkdir "$scratch/corpus"
"$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$PWD/" "$scratch/corpus" "$seeds" > "$scratch/fuzz.log" 2>&1
status=$?
grep -E '^stat::number_of_executed_units|^Done' "$scratch/fuzz.log"
if [ $status -ne 0 ]; then
  grep -vE '^(#|INFO|stat::)' "$scratch/fuzz.log" | head -60
  exit 1
fi
