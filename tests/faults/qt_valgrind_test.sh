#!/usr/bin/env bash
# valgrind finds no leak and no memory error of ours in the Linux program's start-up and one run:
# started on an X server of its own with its inputs in the settings file, it runs 2,000 folders
# with one failure in them, shows the report and the question (answered No), and is closed.
# Usage: qt_valgrind_test.sh PROGRAM
# The suppressions (qt_valgrind.supp) name only the desktop's libraries, each with its reason.
set -uo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/qt_window_test.sh"

qt_require_tools valgrind Xvfb openbox xdotool xwininfo xprop

qt_window_test_begin
target=$work/target
mkdir -p "$target"
touch "$target/V 1000"  # a file in the way: one report with 126
printf '[Pallisand%%20Quire%%20Batch%%20Utility]\nText1=V ####\nText2=2000\nText3=%s/\n' "$target" \
    >"$XDG_CONFIG_HOME/Quillmark.conf"

qt_display_start 1024x600x24 || exit 1
started=$SECONDS
# Children forked by the desktop's libraries (D-Bus starting its daemon) are not the program.
valgrind --leak-check=full --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    --child-silent-after-fork=yes --num-callers=40 --error-exitcode=99 \
    --suppressions="$here/qt_valgrind.supp" --log-file="$work/valgrind.log" \
    "$program" 2>"$work/stderr" &
app=$!

window=$(qt_wait_window "Pallisand Quire Batch Utility" 120) || { fail "no main window"; qt_display_report; exit 1; }
echo "start-up under valgrind: $((SECONDS - started)) s"
xdotool windowactivate --sync "$window" 2>/dev/null
read -r left top < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
xdotool mousemove --sync $((left + 268)) $((top + 245)) click 1  # Start Creating Folders

if report=$(qt_wait_window "Application Error" 120); then
    xdotool windowactivate --sync "$report" key Return 2>/dev/null
else
    fail "no error report for the file in the way"
fi
if question=$(qt_wait_window "Pallisand Quire Batch" 120); then
    xdotool windowactivate --sync "$question" key Escape 2>/dev/null  # No
else
    fail "no question after the run"
fi
folders=$(find "$target" -mindepth 1 -maxdepth 1 -type d | wc -l)
[ "$folders" -eq 1999 ] || fail "1999 folders expected, found $folders"

wait_until 30 bash -c "! xdotool search --onlyvisible --name '^Pallisand Quire Batch\$' >/dev/null 2>&1" ||
    fail "the question stays open"
xdotool windowactivate --sync "$window" key alt+F4
wait_until 120 bash -c "! kill -0 $app 2>/dev/null" || fail "closing the window ends the program"
wait "$app"; status=$?; app=
echo "start-up, run and close under valgrind: $((SECONDS - started)) s"
[ -s "$work/opened" ] && fail "the question was answered No, yet something was opened"

grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:" \
    "$work/valgrind.log" | sed 's/^==[0-9]*== *//'
if [ "$status" -ne 0 ]; then
    fail "the program ended with status $status (99: valgrind found an error)"
    cat "$work/valgrind.log"
fi
exit $((failures > 0))
