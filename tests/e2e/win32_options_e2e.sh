#!/usr/bin/env bash
# End to end: the real Windows program under Wine on an X server of its own, driven by the keyboard
# alone with xdotool. The surface's menu (Shift+F10) opens the Options dialog; a first counter, a
# step and two subfolders are typed and taken with Enter; a run is started; the folders on disk
# and the stored options are checked.
# Usage: win32_options_e2e.sh <program.exe> <screenshot.png>   Exit 77: skipped (no X or no tools).
set -euo pipefail
trap 'echo "stopped at line $LINENO: $BASH_COMMAND"' ERR

program=$1
screenshot=$2
. "$(dirname "${BASH_SOURCE[0]}")/win32_wine_test.sh"
win32_require_tools
win32_wine_test_begin
mkdir -p "$work/target"

win32_store Text1 'Shoot ###'
win32_store Text2 3
win32_store Text3 "$(winepath -w "$work/target")\\"
win32_store StartupDraw 0

win32_start_window "$program"

# Focus starts in the hidden Text4; two Tabs reach the Help button, whose surface menu Shift+F10
# opens below it. Up goes round to its last entry, "Presets", then "Preview...", then "Options...".
xdotool key --delay 150 Tab Tab shift+F10
sleep 0.5
xdotool key --delay 150 Up Up Up Return
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Options$' | head -1) || true
[[ -n "$dialog" ]] || { echo "the Options dialog did not appear"; exit 1; }
sleep 0.3
# First counter 10, step 5; past the style and the check box to the subfolders, one a line; Tab
# to the template box, where Enter is OK.
xdotool type --delay 30 '10'
xdotool key --delay 80 Tab
xdotool type --delay 30 '5'
xdotool key --delay 80 Tab Tab Tab
xdotool type --delay 30 'RAW'
xdotool key --delay 80 Return
xdotool type --delay 30 'Edits\Final'
xdotool key --delay 80 Tab
sleep 1.5  # what was typed is drawn when Wine gets to it
import -window "$dialog" -frame "$screenshot" 2>/dev/null || echo "no screenshot of the dialog"
xdotool key --delay 80 Return
for _ in $(seq 50); do
  [[ -z $(xdotool search --onlyvisible --name '^Options$' 2>/dev/null) ]] && break
  sleep 0.2
done
[[ -z $(xdotool search --onlyvisible --name '^Options$' 2>/dev/null) ]] || {
  echo "OK did not close the dialog"; exit 1; }

# The focus is back on Help; Text1 and then Start follow it.
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.3
xdotool key --delay 150 Tab Tab space
question=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch$' | head -1) || true
[[ -n "$question" ]] || { echo "the closing question did not appear"; exit 1; }
sleep 0.3
xdotool key --delay 150 Tab Return  # No: the target folder is not opened

status=0
made=$(cd "$work/target" && find . -mindepth 1 -type d | LC_ALL=C sort | tr '\n' '|')
expected='./Shoot 010|./Shoot 010/Edits|./Shoot 010/Edits/Final|./Shoot 010/RAW|./Shoot 015|./Shoot 015/Edits|./Shoot 015/Edits/Final|./Shoot 015/RAW|./Shoot 020|./Shoot 020/Edits|./Shoot 020/Edits/Final|./Shoot 020/RAW|'
[[ "$made" == "$expected" ]] || { echo "the folders made: $made"; status=1; }

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
win32_wait_exit || true

stored=$(win32_stored)
for expected in 'OptionStart +REG_SZ +10$' 'OptionStep +REG_SZ +5$' 'OptionEach +REG_SZ +RAW'; do
  grep -Eq "$expected" <<<"$stored" || { echo "not stored: $expected"; status=1; }
done
# The options left at their defaults write no key.
[[ $(grep -c 'Option' <<<"$stored") -eq 3 ]] || { echo "stored: $stored"; status=1; }
exit $status
