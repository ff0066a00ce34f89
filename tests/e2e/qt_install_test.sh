#!/usr/bin/env bash
# The installed Linux program, staged as a package would be (DESTDIR, prefix /usr): the program on
# the PATH, the files it reads in the shared data folder, the desktop entry and the icons. Started
# on an X server of its own, it starts without an error report; with the installed cursor file
# replaced by one that is no cursor it reports it, so it reads its files from the shared folder.
# Usage: qt_install_test.sh BUILD_DIR
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/qt_window_test.sh"

qt_require_tools Xvfb openbox xdotool xprop identify desktop-file-validate

qt_window_test_begin

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; exit 1; }

folder=$root/usr/share/quirebatch
check "the program on the PATH" test -x "$root/usr/bin/quirebatch" -a ! -L "$root/usr/bin/quirebatch"
check "the cursor in the shared folder" test -s "$folder/HAND-M.CUR"
check "the theme in the shared folder" test -s "$folder/x/o.cjs"
check "the samples in the shared folder" test -n "$(ls -A "$folder/Samples" 2>/dev/null)"
check "nothing in lib" test ! -e "$root/usr/lib/quirebatch"
check "the command-line tool" test -x "$root/usr/bin/quirebatch-cli"

entry=$root/usr/share/applications/quirebatch.desktop
check "the desktop entry is valid" desktop-file-validate "$entry"
check "the desktop entry starts the program on the PATH" grep -q -x "Exec=quirebatch %f" "$entry"
check "the desktop entry claims no file type" bash -c "! grep -q '^MimeType=' '$entry'"
for size in 32 48 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/quirebatch.png
    check "the ${size}-pixel icon" test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = \
        "${size}x${size}"
done

# Started on a display of its own.
qt_display_start 1024x600x24 || exit 1

# start_installed: sets `outcome` to "report" when an error report comes up at start-up (it
# comes before the main window), to "window" when the main window comes up without one.
start_installed() {
    "$root/usr/bin/quirebatch" 2>>"$work/stderr" &
    app=$!
    outcome=
    # As long as the other window tests wait: a first start with empty caches on a loaded
    # machine has taken over 20 s.
    local deadline=$((SECONDS + 60))
    while [ -z "$outcome" ] && [ $SECONDS -le $deadline ]; do
        if xdotool search --onlyvisible --name "^Application Error\$" >/dev/null 2>&1; then
            outcome=report
        elif xdotool search --onlyvisible --name "^Pallisand Quire Batch Utility\$" >/dev/null 2>&1; then
            outcome=window
        else
            sleep 0.05
        fi
    done
    [ -n "$outcome" ] || { fail "no window"; cat "$work/stderr" >&2; qt_display_report; }
    kill "$app"; wait "$app" 2>/dev/null; app=
}

start_installed
check "the installed program finds its files (got: ${outcome:-nothing})" test "$outcome" = window
echo "no cursor" >"$folder/HAND-M.CUR"
start_installed
check "the cursor file it reads is the installed one (got: ${outcome:-nothing})" test "$outcome" = report

exit $((failures > 0))
