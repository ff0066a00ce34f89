#!/usr/bin/env bash
# End to end: the real Windows program under Wine, driven by the keyboard alone with xdotool.
# Ctrl+P opens the preview of 1,000 folders of which every hundredth is there already; Alt+O shows
# only those; Alt+S starts the run, which makes the rest.
# Usage: win32_preview_e2e.sh <program.exe> <screenshot.png> [dpi]   Exit 77: skipped.
set -euo pipefail
trap 'echo "stopped at line $LINENO: $BASH_COMMAND"' ERR

program=$1
screenshot=$2
dpi=${3:-96}
. "$(dirname "${BASH_SOURCE[0]}")/win32_wine_test.sh"
win32_require_tools
win32_wine_test_begin
mkdir -p "$work/target"
for i in $(seq 100 100 1000); do mkdir "$work/target/Shoot $(printf %04d "$i")"; done

win32_store Text1 'Shoot ####'
win32_store Text2 1000
win32_store Text3 "$(winepath -w "$work/target")\\"
win32_store StartupDraw 0
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null

win32_start_window "$program"

xdotool key --delay 150 ctrl+p
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Preview$' | head -1) || true
[[ -n "$dialog" ]] || { echo "the Preview dialog did not appear"; exit 1; }
sleep 1.5  # the rows are drawn when Wine gets to them
import -window "$dialog" -frame "$screenshot" 2>/dev/null || echo "no screenshot of the dialog"
xdotool key --delay 150 alt+o
sleep 0.5
import -window "$dialog" -frame "${screenshot%.png}-filtered.png" 2>/dev/null || true
xdotool key --delay 150 alt+s
question=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch$' | head -1) || true
[[ -n "$question" ]] || { echo "the closing question did not appear"; exit 1; }
sleep 0.3
xdotool key --delay 150 Tab Return  # No: the target folder is not opened

status=0
made=$(find "$work/target" -mindepth 1 -maxdepth 1 -type d | wc -l)
[[ "$made" -eq 1000 ]] || { echo "folders in the target: $made"; status=1; }
[[ -d "$work/target/Shoot 0001" && -d "$work/target/Shoot 0999" ]] || { echo "not made"; status=1; }

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
win32_wait_exit || true
exit $status
