#!/usr/bin/env bash
# Makes docs/error-report.png again: the unhandled-error report as Wine draws
# it under the Japanese locale.  The demo's fifth scenario provokes it (an
# InstallDir value that is a number, not text) and pictures the box in
# build/demo/report.png; this copies that picture into the documentation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
scripts/with-wine scripts/demo-scenarios.sh >/dev/null
cp build/demo/report.png docs/error-report.png
echo "screenshot: docs/error-report.png"
