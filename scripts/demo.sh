#!/usr/bin/env bash
# Builds LX7314.EXE and shows, under Wine, every way a run of it can end:
#   1 no InstallDir: REVADOR.EXE starts from beside the launcher, with
#     argument 1 handed on;
#   2 InstallDir names C:\Program Files\ReVador: it starts there, its path
#     quoted;
#   3 REVADOR.EXE already runs: its window is restored and raised, nothing
#     starts;
#   4 AUTOSTART=1 and "/autostart": nothing happens at all;
#   5 InstallDir holds a number: the Japanese report box, which is read,
#     pictured (build/demo/report.png) and closed.
# The scenarios are in scripts/demo-scenarios.sh.  Installs what is missing
# first.
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
scripts/with-wine scripts/demo-scenarios.sh
