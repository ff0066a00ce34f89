# Sourced by the end-to-end tests of the real Windows program under Wine: the tools they need, an X
# server and a Wine prefix of the test's own (the prefix in a work folder; its registry is written
# to user.reg when its server stops; all go at exit), and the program's window.
# After win32_wine_test_begin: $work, $WINEPREFIX; after win32_start_window: $pid, $window.

# win32_require_tools [tool...]: Wine's and xdotool's tools and the ones named, and an X display;
# the test is skipped (exit 77) without them.
win32_require_tools() {
  local tool
  for tool in wine wineserver winepath xdotool import "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  [[ -n "${DISPLAY:-}" ]] || { echo "skipped: no X display"; exit 77; }
}

. "$(dirname "${BASH_SOURCE[0]}")/qt_display.sh"

win32_wine_test_begin() {
  work=$(mktemp -d)
  export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap win32_wine_test_end EXIT
  qt_display_own_if_possible 1280x1024x24
  mkdir -p "$WINEPREFIX"
  # Wine's own processes must not hold CTest's output pipes open.
  wineserver -p >/dev/null 2>&1 </dev/null
  wine wineboot -i >/dev/null 2>&1 </dev/null
}

# The program's settings in the prefix's registry: win32_store NAME VALUE writes one before the
# program starts; win32_stored [KEY] prints those of its key (or of another).
win32_settings_key='HKCU\Software\Quillmark\Pallisand Quire Batch Utility'
win32_store() {
  wine reg add "$win32_settings_key" /v "$1" /d "$2" /f >/dev/null 2>&1 </dev/null
}
win32_stored() {
  wine reg query "${1:-$win32_settings_key}" 2>/dev/null </dev/null | tr -d '\r'
}

win32_wine_test_end() {
  wineserver -k >/dev/null 2>&1 || true
  qt_display_stop
  rm -rf "$work"
}

# win32_start_window PROGRAM: starts it (its output in $work/program.log) and waits for its main
# window, then activates it; the test fails when no window appears within 60 s.
win32_start_window() {
  wine "$1" >>"$work/program.log" 2>&1 </dev/null &
  pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1) || true
  [[ -n "$window" ]] || { echo "the window did not appear"; exit 1; }
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.5
}

# win32_wait_exit: waits up to 10 s for the program ($pid) to end; false when it has not.
win32_wait_exit() {
  local _
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.2
  done
  return 1
}
