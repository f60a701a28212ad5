#!/usr/bin/env bash
# check_demo.sh: runs the demo's five scenarios (scripts/demo-scenarios.sh)
# in the test run's Wine session and fails unless each table row shows what
# its scenario is there to show, and the report box was pictured.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/wine-env
if ! wine_runs_32bit; then
  echo "SKIPPED: $WINE_UNAVAILABLE_REASON"
  exit 77
fi
table=$(scripts/demo-scenarios.sh) || { echo "FAILED: the scenarios did not run through"; exit 1; }
echo "$table"
failed=0
expect() {  # expect ROW TEXT
  if ! grep -E "^\| $1 \|" <<< "$table" | grep -qF -- "$2"; then
    echo "FAILED: row $1 does not show: $2"
    failed=1
  fi
}
expect 1 '| 0 | started "C:\demo\ReVador\REVADOR.EXE" C:\My Documents\demo.rvd in C:\demo\ReVador |'
expect 2 '| 0 | started "C:\Program Files\ReVador\REVADOR.EXE" C:\My Documents\demo.rvd in C:\Program Files\ReVador |'
expect 3 'its main window minimized, not on top'
expect 3 '| 0 | running copy'"'"'s window: minimized, not on top'
expect 3 '-> shown normally, on top; nothing started |'
expect 4 '| 0 | nothing started |'
expect 5 '| 1 | report box "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ": ERegistryExceptionがﾓｼﾞｭｰﾙ LX7314.EXE の / '
expect 5 ' で発生しました。 / '"'"'InstallDir'"'"' のﾃﾞｰﾀ型が不正です.; picture build/demo/report.png;'
if ! cmp -s <(head -c 8 build/demo/report.png) <(printf '\x89PNG\r\n\x1a\n'); then
  echo "FAILED: no PNG picture of the report box in build/demo/report.png"
  failed=1
fi
exit $failed
