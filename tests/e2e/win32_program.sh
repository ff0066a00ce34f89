#!/usr/bin/env bash
# End to end: starts the real Windows program under Wine on the running X server, types a pattern,
# a count and a target folder with xdotool, starts a run, answers No to the closing question (so
# nothing is opened), closes the window and checks the folders and Wine's user.reg.
# Usage: win32_program.sh <program.exe> <screenshot.png>   Exit 77: skipped (no X or no tools).
set -euo pipefail

program=$1
screenshot=$2
for tool in wine wineserver winepath xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[[ -n "${DISPLAY:-}" ]] || { echo "skipped: no X display"; exit 77; }

# A prefix of its own, so that its registry is written to user.reg when its server stops.
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$WINEPREFIX"
# Wine's own processes must not hold CTest's output pipes open.
wineserver -p >/dev/null 2>&1 </dev/null
wine wineboot -i >/dev/null 2>&1 </dev/null

mkdir -p "$work/target"
target=$(winepath -w "$work/target")

wine "$program" >"$work/program.log" 2>&1 </dev/null &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1)
[[ -n "$window" ]] || { echo "the window did not appear"; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5

# Focus starts in the hidden Text4; Tab order: Text3, Help, Text1, Start, Text2.
xdotool key --delay 80 Tab
xdotool type --delay 20 "$target\\"
xdotool key --delay 80 Tab Tab
xdotool type --delay 20 'Job ##'
xdotool key --delay 80 Tab Tab
xdotool type --delay 20 '3'
sleep 0.3
import -window "$window" -frame "$screenshot"

xdotool key --delay 80 shift+Tab space  # back to Start, and press it
question=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch$' | head -1)
[[ -n "$question" ]] || { echo "the closing question did not appear"; exit 1; }
sleep 0.3
xdotool key --delay 150 Tab Return  # No: the target folder is not opened
sleep 1

status=0
for name in "Job 01" "Job 02" "Job 03"; do
  [[ -d "$work/target/$name" ]] || { echo "missing folder: $name"; status=1; }
done
[[ ! -e "$work/target/Job 04" ]] || { echo "one folder too many"; status=1; }

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
  echo "closing the window did not end the program"; status=1
fi

wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
registry=$(tr -d '\r' <"$WINEPREFIX/user.reg")
section=$(awk '/^\[Software\\\\Quillmark\\\\Pallisand Quire Batch Utility\]/{on=1; next} /^\[/{on=0} on' <<<"$registry")
expect() {
  grep -qxF "$1" <<<"$section" || { echo "user.reg lacks $1"; status=1; }
}
expect '"Text1"="Job ##"'
expect '"Text2"="3"'
expect "\"Text3\"=\"${target//\\/\\\\}\\\\\""
[[ $status -eq 0 ]] || { echo "--- section in user.reg:"; echo "$section"; }
exit $status
