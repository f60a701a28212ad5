#!/usr/bin/env bash
# Makes docs/error-report.png: the unhandled-error report as Wine draws it
# under the Japanese locale.  The report is provoked by an InstallDir value
# that is a number, not text.  Installs ImageMagick (for import) if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! command -v import >/dev/null || ! command -v xwininfo >/dev/null; then
  apt-get install -y -qq --no-install-recommends imagemagick x11-utils >/dev/null
fi
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null

shoot() {
  set -euo pipefail
  local dir="$WINEPREFIX/drive_c/shot"
  rm -rf "$dir"; mkdir -p "$dir"
  cp build/windows/LX7314.EXE "$dir/"
  wine reg add 'HKLM\SOFTWARE\Kelmor\ReVador\9.0' /v InstallDir /t REG_DWORD /d 1 /f >/dev/null
  wine 'C:\shot\LX7314.EXE' &
  local launcher=$! box=""
  for _ in $(seq 100); do
    box=$(xwininfo -root -tree | awk '/"ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"/ {print $1; exit}')
    [ -n "$box" ] && break
    sleep 0.2
  done
  [ -n "$box" ] || { echo "screenshot: no report box appeared" >&2; exit 1; }
  sleep 1  # let it paint
  import -window "$box" docs/error-report.png
  kill "$launcher" 2>/dev/null || true
  wine reg delete 'HKLM\SOFTWARE\Kelmor\ReVador\9.0' /f >/dev/null
  echo "screenshot: docs/error-report.png"
}
export -f shoot
mkdir -p docs
scripts/with-wine bash -c shoot
