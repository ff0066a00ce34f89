#!/usr/bin/env bash
# End to end: the real Linux program on an X server of its own; the options are set through the
# Options dialog by keyboard alone, the run is started, and the folders on disk and the stored
# options are checked.
# Usage: qt_options_e2e.sh PROGRAM SCREENSHOT
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

# The window's menu from the keyboard: Tab to the browse button, the menu key, the second entry.
xdotool key --delay 50 Tab Tab Menu Down Down Return
dialog=$(qt_wait_window "Options" 10) || { fail "no Options dialog"; exit 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null
# First counter 10, step 5, capital letters, two subfolders; Return in the template box is OK.
xdotool type --delay 20 "10"
xdotool key Tab; xdotool type --delay 20 "5"
xdotool key --delay 50 Tab Down Tab Tab
xdotool type --delay 20 "RAW"; xdotool key Return; xdotool type --delay 20 "Edits/Final"
xdotool key --delay 50 Tab
import -window root "$screenshot" 2>/dev/null || fail "no screenshot"
xdotool key Return
check "the dialog closes on OK" wait_until 5 bash -c "! xwininfo -id $dialog >/dev/null 2>&1"
check "the options are stored" wait_until 5 grep -q -x -F 'OptionStyle=CapitalLetters' "$settings"

# Start Creating Folders, then Yes to opening the folder.
xdotool windowactivate --sync "$window" 2>/dev/null
read -r left top < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
xdotool mousemove --sync $((left + 268)) $((top + 245)) click 1
question=$(qt_wait_window "Pallisand Quire Batch" 10) || fail "no question after the run"
made=$(cd "$target" && find . -mindepth 1 -type d | LC_ALL=C sort | tr '\n' '|')
expected='./Shoot J|./Shoot J/Edits|./Shoot J/Edits/Final|./Shoot J/RAW|./Shoot O|./Shoot O/Edits|./Shoot O/Edits/Final|./Shoot O/RAW|./Shoot T|./Shoot T/Edits|./Shoot T/Edits/Final|./Shoot T/RAW|'
check "the plan on disk (found $made)" [ "$made" = "$expected" ]
for line in OptionStart=10 OptionStep=5 'OptionEach=RAW\nEdits/Final'; do
    check "stored: $line" grep -q -x -F -- "$line" "$settings"
done
check "nothing else is stored" [ "$(grep -c '^Option' "$settings")" -eq 4 ]
if [ -n "${question:-}" ]; then
    xdotool windowactivate --sync "$question" 2>/dev/null
    xdotool key Return
fi

[ $failures -eq 0 ] && echo "qt options e2e: all checks passed"
[ $failures -gt 0 ] && { echo "--- the program's error output:"; tail -n 40 "$work/stderr"; } >&2
exit $((failures > 0))
