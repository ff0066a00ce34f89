#!/usr/bin/env bash
# kill -9 at random moments of a 20,000-folder run of the Linux program, ten times, on an X server
# of its own. After each kill the target holds exactly the folders 1..k, each a whole folder with
# its whole name, and the settings file parses and holds what was typed. The next start restores
# the pattern, the count and the target: Start alone then completes the set, skipping the folders
# that exist, and asks its question.
# Usage: qt_kill_test.sh PROGRAM
set -uo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/qt_window_test.sh"

qt_require_tools Xvfb openbox xdotool xwininfo xprop

qt_window_test_begin "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)"
settings=$XDG_CONFIG_HOME/Quillmark.conf

count=20000
pattern="K #####"
qt_display_start 1024x600x24 || exit 1

start_program() {
    "$program" 2>>"$work/stderr" &
    app=$!
    window=$(qt_wait_window "Pallisand Quire Batch Utility" 20) || { fail "no main window"; cat "$work/stderr" >&2; qt_display_report; exit 1; }
    xdotool windowactivate --sync "$window" 2>/dev/null
    read -r left top < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
}
# click_at X Y: a point of the client area. The pointer steps off the point first: a synchronous
# move onto the point where it already is (the last start's window lay in the same place) waits
# 15 s for a motion that never comes.
click_at() {
    xdotool mousemove $((left + $1 + 1)) $((top + $2 + 1)) \
        mousemove --sync $((left + $1)) $((top + $2)) click 1
}
# replace_text X Y TEXT: clicks into a box, selects all and types over it.
replace_text() { click_at "$1" "$2"; xdotool key ctrl+a; xdotool type --delay 1 -- "$3"; }
click_start() { click_at 268 245; }
stored() { grep -q -x -F -- "$1" "$settings" 2>/dev/null; }

# Whether the settings file parses: no NUL, every line blank, a group header or key=value, no group
# twice, no key twice in the program's group, and the three inputs in it.
settings_parse() {
    [ -f "$settings" ] && tr -d '\000' <"$settings" | cmp -s - "$settings" || return 1
    awk -v group='[Pallisand%20Quire%20Batch%20Utility]' '
        /^$/ { next }
        /^\[.*\]$/ { inside = ($0 == group); if (seen[$0]++) bad = 1; next }
        /^[^=]*=/ { if (inside && keys[substr($0, 1, index($0, "=") - 1)]++) bad = 1; next }
        { bad = 1 }
        END { exit bad || !keys["Text1"] || !keys["Text2"] || !keys["Text3"] }' "$settings"
}

# check_folders TARGET K: the entries are exactly the folders K 00001 .. K k.
check_folders() {
    local target=$1 k=$2
    local expected actual
    expected=$(seq -f "K %05g" 1 "$k")
    actual=$(find "$target" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
    [ "$(find "$target" -mindepth 1 -maxdepth 1 | wc -l)" -eq "$k" ] && [ "$actual" == "$expected" ]
}

# finish_previous TARGET: Start with the restored inputs completes TARGET and asks; answers No.
finish_previous() {
    local target=$1 question
    click_start
    if question=$(qt_wait_window "Pallisand Quire Batch" 60); then
        check_folders "$target" "$count" ||
            fail "after the restart, $target does not hold the folders 1..$count"
        xdotool windowactivate --sync "$question" key Escape 2>/dev/null  # Escape answers No
        wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Pallisand Quire Batch\$' >/dev/null 2>&1" ||
            fail "the question stays open"
    else
        fail "no question after the restarted run into $target (the inputs were not restored)"
    fi
}

started=$SECONDS
previous=
for round in $(seq 1 10); do
    target=$work/round$round
    mkdir "$target"
    start_program
    if [ -n "$previous" ]; then
        finish_previous "$previous"
    else
        replace_text 60 129 "$pattern"
        replace_text 60 203 "$count"
    fi
    replace_text 60 71 "$target/"
    wait_until 5 stored "Text3=$target/" || fail "round $round: the target was not stored"
    # A random moment of the run: as soon as a randomly drawn folder exists. The run makes a
    # folder every few microseconds, faster than xdotool's click returns, so the watch starts
    # first and spins without forking.
    mark=$((RANDOM % (count - 1) + 1))
    printf -v watched '%s/K %05d' "$target" "$mark"
    (
        deadline=$((SECONDS + 20))
        until [ -d "$watched" ] || [ $SECONDS -gt $deadline ]; do :; done
        kill -9 "$app"
    ) &
    watcher=$!
    click_start
    wait "$watcher"
    { wait "$app"; } 2>/dev/null  # without the shell's note of the kill
    app=

    k=$(find "$target" -mindepth 1 -maxdepth 1 | wc -l)
    [ "$k" -ge "$mark" ] || fail "round $round: the run stopped before folder $mark"
    check_folders "$target" "$k" || fail "round $round: the $k entries are not the folders 1..$k"
    settings_parse || { fail "round $round: the settings file does not parse"; cat "$settings"; }
    for line in "Text1=$pattern" "Text2=$count" "Text3=$target/"; do
        stored "$line" || fail "round $round: $line is not stored"
    done
    echo "round $round: killed at folder $mark: $k folders"
    previous=$target
done

# The last round's set is completed the same way; closing the window ends the program.
start_program
finish_previous "$previous"
xdotool windowactivate --sync "$window" key alt+F4
if wait_until 10 bash -c "! kill -0 $app 2>/dev/null"; then
    wait "$app"; status=$?; app=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
else
    fail "closing the window ends the program"
fi
echo "ten rounds in $((SECONDS - started)) s"

[ $failures -gt 0 ] && { echo "--- the program's error output:"; tail -n 40 "$work/stderr"; } >&2
exit $((failures > 0))
