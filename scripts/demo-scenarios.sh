#!/usr/bin/env bash
# The demo's five scenarios, run in a Wine session that is already there
# (scripts/demo.sh makes one, and so does the test run, which checks the
# table).  Each scenario is set up from scratch in the prefix and gets one
# table row: what was set up, the launcher's command line, its exit code and
# what happened, as build/windows/tests/wine/demo_probe.exe saw it.  Then
# where the demo installation is, and how to run the launcher there by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env

drive="$WINEPREFIX/drive_c"
key='HKLM\SOFTWARE\Kelmor\ReVador\9.0'
launcher='C:\demo\ReVador\LX7314.EXE'
document='C:\My Documents\demo.rvd'
probe=build/windows/tests/wine/demo_probe.exe
picture=build/demo/report.png

rm -rf "$drive/demo" "$drive/Program Files/ReVador" build/demo
mkdir -p "$drive/demo/ReVador" "$drive/Program Files/ReVador" build/demo
cp build/windows/LX7314.EXE build/windows/tests/wine/REVADOR.EXE "$drive/demo/ReVador/"
cp build/windows/tests/wine/REVADOR.EXE "$drive/Program Files/ReVador/"

# No running copy, no InstallDir, no settings file.
from_scratch() {
  wine "$probe" close
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  rm -f "$drive/windows/LX7314.INI"
}

row() {  # row NUMBER SET-UP ARGUMENT...
  local number=$1 setup=$2 line command_line exit_code happened
  shift 2
  line=$(wine "$probe" run 'C:\demo\started.txt' "$picture" "$launcher" "$@" | tr -d '\r')
  IFS='|' read -r command_line exit_code happened <<< "$line"
  printf '| %s | %s | `%s` | %s | %s |\n' "$number" "$setup" "$command_line" "$exit_code" "$happened"
}

echo
echo "| | set up | launcher command line | exit code | what happened |"
echo "|---|---|---|---|---|"

from_scratch
row 1 "nothing: no InstallDir, no LX7314.INI" "$document" second

from_scratch
wine reg add "$key" /v InstallDir /t REG_SZ /d 'C:\Program Files\ReVador\' /f >/dev/null
row 2 'InstallDir = C:\Program Files\ReVador\' "$document"

from_scratch
wine 'C:\demo\ReVador\REVADOR.EXE' /window >/dev/null 2>&1 &
state=$(wine "$probe" running | tr -d '\r')
row 3 "REVADOR.EXE running: its main window $state, a palette of it in front" "$document"

from_scratch
printf '[REVADOR]\r\nAUTOSTART=1\r\n' > "$drive/windows/LX7314.INI"
row 4 "LX7314.INI: AUTOSTART=1" /autostart

from_scratch
wine reg add "$key" /v InstallDir /t REG_DWORD /d 1 /f >/dev/null
row 5 "InstallDir = REG_DWORD 1" "$document"

from_scratch
wait  # for the running copy of scenario 3 to have ended

cat <<TEXT

The launcher is C:\\demo\\ReVador\\LX7314.EXE, beside a demo REVADOR.EXE that records how
it was started; scenario 2's installation directory is C:\\Program Files\\ReVador. On the
Linux side both are under $drive.
The report box of scenario 5 is pictured in $picture.
No InstallDir and no LX7314.INI are left behind. To run the launcher yourself:

  source scripts/wine-env
  export REVADOR_RECORD='C:\\demo\\started.txt'
  scripts/with-wine wine 'C:\\demo\\ReVador\\LX7314.EXE' 'your argument'
  iconv -f CP932 -t UTF-8 "\$WINEPREFIX/drive_c/demo/started.txt"
TEXT
