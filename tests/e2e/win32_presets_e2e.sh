#!/usr/bin/env bash
# End to end: the real Windows program under Wine on an X server of its own, by the keyboard alone:
# a preset is saved through the surface's menu (its target kept), the boxes are changed, the preset
# is chosen again, and the settings in the registry are checked.
# Usage: win32_presets_e2e.sh <program.exe> <screenshot.png>   Exit 77: skipped (no X or no tools).
set -euo pipefail
trap 'echo "stopped at line $LINENO: $BASH_COMMAND"' ERR

program=$1
screenshot=$2
. "$(dirname "${BASH_SOURCE[0]}")/win32_wine_test.sh"
win32_require_tools
win32_wine_test_begin
mkdir -p "$work/target"
target=$(winepath -w "$work/target")\\
win32_store Text1 'Shoot ###'
win32_store Text2 3
win32_store Text3 "$target"
win32_store StartupDraw 0

status=0
fail() { echo "$*"; status=1; }
# wait_stored KEY PATTERN: waits up to 10 s for a value of KEY that matches the extended PATTERN.
wait_stored() {
  local _
  for _ in $(seq 50); do
    grep -Eq "$2" <<<"$(win32_stored "$1")" && return 0
    sleep 0.2
  done
  return 1
}
presets="$win32_settings_key Presets"

win32_start_window "$program"

# Two Tabs reach the Help button, whose surface menu Shift+F10 opens; Up goes round to its last
# entry, "Presets", whose first entry is "Save as Preset...".
xdotool key --delay 150 Tab Tab shift+F10
sleep 0.5
xdotool key --delay 150 Up Right Return
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Save as Preset$' | head -1) || true
[[ -n "$dialog" ]] || { echo "the Save as Preset dialog did not appear"; exit 1; }
sleep 0.3
xdotool type --delay 30 'Weekly'
xdotool key --delay 100 Tab space  # keep the target folder
sleep 1  # what was typed is drawn when Wine gets to it
import -window "$dialog" -frame "$screenshot" 2>/dev/null || echo "no screenshot of the dialog"
xdotool key --delay 100 Return
wait_stored "$presets" 'Preset1\.Name +REG_SZ +Weekly$' || fail "the preset's name is not stored"
stored=$(win32_stored "$presets")
for expected in 'Preset1\.Text1 +REG_SZ +Shoot ###$' 'Preset1\.Text2 +REG_SZ +3$' \
                "Preset1\\.Text3 +REG_SZ +.*target\\\\\$"; do
  grep -Eq "$expected" <<<"$stored" || fail "not in the preset: $expected"
done

# The focus is back on Help: the pattern box follows it, then Start, then the count box.
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 0.3
xdotool key --delay 100 Tab ctrl+a
xdotool type --delay 30 'Other #'
xdotool key --delay 100 Tab Tab ctrl+a
xdotool type --delay 30 '7'
wait_stored "" 'Text2 +REG_SZ +7$' || fail "the count box was not changed"

# Back to Start, a button, whose surface menu holds the preset below "Save as Preset...".
xdotool key --delay 150 shift+Tab shift+F10
sleep 0.5
xdotool key --delay 150 Up Right Down Return
wait_stored "" 'Text1 +REG_SZ +Shoot ###$' || fail "the pattern is not the preset's again"
stored=$(win32_stored)
grep -Eq 'Text2 +REG_SZ +3$' <<<"$stored" || fail "the count is not the preset's again"
[[ -z "$(ls -A "$work/target")" ]] || fail "folders were made"

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
win32_wait_exit || true
exit $status
