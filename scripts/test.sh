#!/usr/bin/env bash
# Runs every test: the unit tests on Linux (under ASan and UBSan), then the
# Windows build with its checks and the end-to-end tests under Wine.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/with-wine ctest --preset windows

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
