#!/usr/bin/env bash
# check_reproducible.sh SOURCE_DIR EXE: builds LX7314.EXE again in a fresh
# tree at another path and fails unless the two files are byte for byte equal.
set -euo pipefail
source_dir=$1 exe=$2
scratch=$(mktemp -d /tmp/lx7314-rebuild.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
cmake -S "$source_dir" -B "$scratch/build" -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$scratch/build" --target launcher -j2 >/dev/null
if cmp "$exe" "$scratch/build/LX7314.EXE"; then
  echo "identical: $(sha256sum < "$exe" | cut -c1-16)"
else
  exit 1
fi
