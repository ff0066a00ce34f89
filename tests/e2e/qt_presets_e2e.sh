#!/usr/bin/env bash
# End to end: the real Linux program on an X server of its own; by keyboard alone a preset is
# saved through the window's menu, the boxes are changed, the preset is chosen again, and the
# stored settings are checked.
# Usage: qt_presets_e2e.sh PROGRAM SCREENSHOT
set -uo pipefail
program=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/qt_window_test.sh"

qt_require_tools Xvfb openbox xdotool xwininfo import

qt_window_test_begin
target="$work/target dir"
mkdir -p "$target"

qt_window_test_start "Shoot ###" 3 "$target/"

# Tab to the help button, the menu key, the fourth entry ("Presets"), its first ("Save as Preset...").
xdotool key --delay 80 Tab Tab Menu Down Down Down Down Right Return
dialog=$(qt_wait_window "Save as Preset" 10) || { fail "no name dialog"; exit 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null
xdotool type --delay 20 "Weekly"
xdotool key --delay 50 Tab space
import -window root "$screenshot" 2>/dev/null || fail "no screenshot"
xdotool key Return
check "the dialog closes on OK" wait_until 5 bash -c "! xwininfo -id $dialog >/dev/null 2>&1"
check "the preset is stored" wait_until 5 grep -q -x -F 'Preset1.Name=Weekly' "$settings"
check "with its target" grep -q -x -F "Preset1.Text3=$target/" "$settings"

# Into the pattern box and the count box (the tab order: help, pattern, Start, count).
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key --delay 50 Tab ctrl+a
xdotool type --delay 20 "Other #"
xdotool key --delay 50 Tab Tab ctrl+a
xdotool type --delay 20 "7"
check "the boxes were changed" wait_until 5 grep -q -x -F 'Text2=7' "$settings"

# Back to Start (a button takes the menu key), the preset below "Save as Preset...".
xdotool key --delay 80 shift+Tab Menu Down Down Down Down Right Down Return
check "the pattern is the preset's again" wait_until 5 grep -q -x -F 'Text1=Shoot ###' "$settings"
check "the count is the preset's again" grep -q -x -F 'Text2=3' "$settings"
check "the target is the preset's" grep -q -x -F "Text3=$target/" "$settings"
check "nothing made" [ -z "$(ls -A "$target")" ]

[ $failures -eq 0 ] && echo "qt presets e2e: all checks passed"
[ $failures -gt 0 ] && { echo "--- the program's error output:"; tail -n 40 "$work/stderr"; } >&2
exit $((failures > 0))
