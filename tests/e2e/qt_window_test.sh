# Sourced by the tests that run the real Linux program on an X server of their own (qt_display.sh
# comes with it): a work folder with a private settings folder and a recording opener first on the
# PATH (no test opens a real browser or file manager), the failure count, and one clean-up at exit.
# After qt_window_test_begin: $work, $app (set it to the program's pid while it runs),
# $failures; XDG_CONFIG_HOME and PATH exported; what was opened is listed in $work/opened.
. "$(dirname "${BASH_SOURCE[0]}")/qt_display.sh"

# qt_window_test_begin [folder to make the work folder in]
qt_window_test_begin() {
    work=$(mktemp -d -p "${1:-${TMPDIR:-/tmp}}")
    app=
    failures=0
    trap qt_window_test_end EXIT
    export XDG_CONFIG_HOME=$work/config
    mkdir -p "$XDG_CONFIG_HOME" "$work/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened"\n' "$work" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    export PATH=$work/bin:$PATH
}

qt_window_test_end() {
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null && wait "$app" 2>/dev/null
    qt_display_stop
    rm -rf "$work"
}

# qt_window_test_start PATTERN COUNT TARGET: the three boxes' values in the settings file, then
# the program on a display of 1024x600 with its window active; sets $settings, $app and $window.
qt_window_test_start() {
    settings=$XDG_CONFIG_HOME/Quillmark.conf
    printf '[Pallisand%%20Quire%%20Batch%%20Utility]\nText1=%s\nText2=%s\nText3=%s\n' \
        "$1" "$2" "$3" >"$settings"
    qt_display_start 1024x600x24 || exit 1
    "$program" 2>"$work/stderr" &
    app=$!
    window=$(qt_wait_window "Pallisand Quire Batch Utility" 60) || { fail "no main window"; exit 1; }
    xdotool windowactivate --sync "$window" 2>/dev/null
}

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }
