#!/usr/bin/env bash
# Runs a Windows test program in a Wine prefix of its own whose screen has the given resolution
# (set before the program starts, as a user sets it), on an X server of its own where Xvfb and
# openbox are at hand (the windows of other tests then never take its keyboard focus), else on
# the running one. The program is told the resolution in QUIRE_EXPECTED_DPI, so that a setting
# Wine did not take fails the run.
# Usage: run_at_dpi.sh <dpi> <tests.exe> [gtest arguments...]   Exit 77: skipped (no Wine or X).
set -uo pipefail

dpi=$1
tests=$2
shift 2
command -v wine >/dev/null && command -v wineserver >/dev/null || { echo "skipped: no Wine"; exit 77; }
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: no X display"; exit 77; }

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  qt_display_stop
  rm -rf "$work"
}
. "$(dirname "$0")/../../e2e/qt_display.sh"
trap cleanup EXIT
qt_display_own_if_possible 1280x1024x24
mkdir -p "$WINEPREFIX"
# Wine's own processes must not hold CTest's output pipes open.
wineserver -p >/dev/null 2>&1 </dev/null
wine wineboot -i >/dev/null 2>&1 </dev/null
for key in 'HKCU\Control Panel\Desktop' 'HKCU\Software\Wine\Fonts'; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
done

QUIRE_EXPECTED_DPI=$dpi wine "$tests" "$@" </dev/null
