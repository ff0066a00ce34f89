#!/usr/bin/env bash
# End to end: the real Linux program on an X server of its own, driven with xdotool like a user.
# Usage: qt_e2e.sh PROGRAM SCREENSHOT
# Types a pattern, a count and a target folder, clicks Start, answers Yes, and checks the folders,
# the folder handed to the desktop's opener and the settings file; kills the program right after a
# change and finds the value stored; starts it again and closes it. Opens no real file manager or
# browser: a recording xdg-open stands first on the PATH.
set -uo pipefail
program=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/qt_window_test.sh"

qt_require_tools Xvfb openbox xdotool xwininfo xprop import

qt_window_test_begin
settings=$XDG_CONFIG_HOME/Quillmark.conf
target="$work/target dir"
mkdir -p "$target"

qt_display_start 1024x600x24 || exit 1

start_program() {
    "$program" 2>"$work/stderr" &
    app=$!
    window=$(qt_wait_window "Pallisand Quire Batch Utility" 60) || { fail "no main window"; qt_display_report; exit 1; }
    xdotool windowactivate --sync "$window" 2>/dev/null
    read -r left top < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
}
# click_at X Y: a point of the client area.
click_at() { xdotool mousemove --sync $((left + $1)) $((top + $2)) click 1; }
# replace_text X Y TEXT: clicks into a box, selects all and types over it.
replace_text() { click_at "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 1 -- "$3"; }
stored() { grep -q -x -F -- "$1" "$settings" 2>/dev/null; }

start_program
# Text1 in Frame1 at (24, 118), Text2 in Frame2 at (24, 192), Text3 in Frame3 at (24, 60).
replace_text 60 129 "Job ##"
replace_text 60 203 "12"
replace_text 60 71 "$target/"
check "the inputs are stored as typed" wait_until 5 stored "Text3=$target/"
check "pattern stored" stored "Text1=Job ##"
check "count stored" stored "Text2=12"

click_at 268 245  # Start Creating Folders
question=$(qt_wait_window "Pallisand Quire Batch" 10) || fail "no question after the run"
folders=$(cd "$target" && ls -d Job\ ?? 2>/dev/null | wc -l)
check "twelve folders before the question (found $folders)" [ "$folders" -eq 12 ]
check "Job 01 and Job 12" [ -d "$target/Job 01" ] && [ -d "$target/Job 12" ]
import -window root "$screenshot" 2>/dev/null || fail "no screenshot"
if [ -n "${question:-}" ]; then
    xdotool windowactivate --sync "$question" 2>/dev/null
    xdotool key Return  # Yes is the default button
fi
expected="file://$(printf '%s' "$target/" | sed 's/ /%20/g')"
check "the target folder went to the opener whole ($expected)" \
    wait_until 5 grep -s -q -x -F -- "$expected" "$work/opened"

# A change is on disk as soon as it is made: kill the program the moment the file changes.
replace_text 60 203 "7"
wait_until 5 stored "Text2=7"
kill -9 "$app"; wait "$app" 2>/dev/null; app=
check "the count survives kill -9" stored "Text2=7"
check "the group is the product's" grep -q '^\[Pallisand%20Quire%20Batch%20Utility\]$' "$settings"

# Started again, it restores the inputs; closing the window ends it at once.
start_program
sleep 0.3
import -window root "${screenshot%.png}-restarted.png" 2>/dev/null
# Alt+F4: the window manager asks the window to close, as its close button does.
xdotool windowactivate --sync "$window" key alt+F4
if wait_until 5 bash -c "! kill -0 $app 2>/dev/null"; then
    wait "$app"; status=$?; app=
    check "the program ends with status 0 (got $status)" [ "$status" -eq 0 ]
else
    fail "closing the window ends the program"
fi

[ $failures -eq 0 ] && echo "qt e2e: all checks passed"
[ $failures -gt 0 ] && { echo "--- the program's error output:"; tail -n 40 "$work/stderr"; } >&2
exit $((failures > 0))
