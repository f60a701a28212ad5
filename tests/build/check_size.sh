#!/usr/bin/env bash
# check_size.sh EXE BUDGET: fails when EXE is larger than BUDGET bytes.
set -euo pipefail
size=$(stat -c %s "$1")
echo "size: $size bytes, budget $2"
[ "$size" -le "$2" ]
