#!/usr/bin/env bash
# The real program on an X server of its own, read over AT-SPI as a screen reader reads it: a
# session bus, the accessibility bus and registry, and the program with Qt's bridge switched on.
# With "options" after the program, the Options dialog is opened from the keyboard and read.
set -u
program=$(readlink -f "$1")
mode=${2:-window}
here=$(cd "$(dirname "$0")" && pwd)
check=$here/qt_atspi_check.py
table=$here/../ui/accessible_table.h
if [ "$mode" = options ]; then
    command -v xdotool >/dev/null || { echo "SKIP: xdotool is missing"; exit 77; }
    check=$here/qt_atspi_options_check.py
    table=$here/../ui/options_accessible_table.h
fi
for tool in Xvfb openbox xprop dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is missing"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

source "$here/qt_display.sh"
work=$(mktemp -d)
trap 'qt_display_stop; rm -rf "$work"' EXIT
qt_display_start 1024x600x24 || exit 1

XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work dbus-run-session -- bash -c '
    "$1" --launch-immediately >/dev/null 2>&1 &
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" >/dev/null 2>&1 &
    program=$!
    if [ "$5" = options ]; then
        window=$(timeout 20 xdotool search --sync --onlyvisible \
                 --name "^Pallisand Quire Batch Utility\$" | head -n1)
        xdotool windowactivate --sync "$window" key --delay 50 Tab Tab Menu Down Down Return
    fi
    /usr/bin/python3 "$3" "$4"
    status=$?
    kill $program 2>/dev/null
    exit $status
' _ "$launcher" "$program" "$check" "$table" "$mode" 2>/dev/null
