#!/usr/bin/env bash
# The real program on an X server of its own, read over AT-SPI as a screen reader reads it: a
# session bus, the accessibility bus and registry, and the program with Qt's bridge switched on.
set -u
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
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
    /usr/bin/python3 "$3" "$4"
    status=$?
    kill $program 2>/dev/null
    exit $status
' _ "$launcher" "$program" "$here/qt_atspi_check.py" "$here/../ui/accessible_table.h" 2>/dev/null
