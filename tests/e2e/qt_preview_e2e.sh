#!/usr/bin/env bash
# End to end: the real Linux program on an X server of its own; the preview is opened by its key,
# the run started from it by keyboard alone, and the folders on disk checked.
# Usage: qt_preview_e2e.sh PROGRAM SCREENSHOT
set -uo pipefail
program=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/qt_window_test.sh"

qt_require_tools Xvfb openbox xdotool xwininfo import

qt_window_test_begin
target="$work/target dir"
mkdir -p "$target/Take 2"
echo mine >"$target/Take 2/kept.txt"

qt_window_test_start "Take #" 4 "$target"

xdotool key ctrl+p
dialog=$(qt_wait_window "Preview" 10) || { fail "no Preview dialog"; exit 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null
import -window root "$screenshot" 2>/dev/null || fail "no screenshot"
check "the preview makes no folder" [ "$(find "$target" -mindepth 1 -type d | wc -l)" -eq 1 ]
# From the list, Tab to "Start Creating Folders" and press it.
xdotool key --delay 50 Tab space
check "the preview closes on Start" wait_until 5 bash -c "! xwininfo -id $dialog >/dev/null 2>&1"
question=$(qt_wait_window "Pallisand Quire Batch" 10) || fail "no question after the run"
made=$(cd "$target" && find . -mindepth 1 -type d | LC_ALL=C sort | tr '\n' '|')
check "the run on disk (found $made)" [ "$made" = './Take 1|./Take 2|./Take 3|./Take 4|' ]
check "the existing folder is kept as it was" grep -q -x mine "$target/Take 2/kept.txt"
if [ -n "${question:-}" ]; then
    xdotool windowactivate --sync "$question" 2>/dev/null
    xdotool key Return
fi

[ $failures -eq 0 ] && echo "qt preview e2e: all checks passed"
[ $failures -gt 0 ] && { echo "--- the program's error output:"; tail -n 40 "$work/stderr"; } >&2
exit $((failures > 0))
