#!/usr/bin/env bash
# End to end: starts the real Windows program under Wine on an X server of its own, from a copy in a
# folder named in several scripts, types a pattern, a count and a target folder with xdotool,
# starts a run, answers No to the closing question (so nothing is opened), loads the sample folder,
# closes the window and checks the folders, the theme's colour and Wine's user.reg. Then starts it
# again with pipes in place of the cursor and the theme: start-up must not wait on them, and only
# the cursor is reported. Last, starts it at 144 dpi and checks the size of its client area.
# Usage: win32_program.sh <program.exe> <screenshot.png>   Exit 77: skipped (no X or no tools).
set -euo pipefail
trap 'echo "stopped at line $LINENO: $BASH_COMMAND"' ERR

program=$1
screenshot=$2
. "$(dirname "${BASH_SOURCE[0]}")/win32_wine_test.sh"
win32_require_tools convert mkfifo
win32_wine_test_begin

mkdir -p "$work/target"
target=$(winepath -w "$work/target")

# The program with the files it reads from its own folder, in a folder named in several scripts.
built=$(dirname "$program")
folder="$work/Ünïcode 文件夹"
mkdir -p "$folder"
cp -r "$program" "$built/HAND-M.CUR" "$built/x" "$built/Samples" "$folder/"
samples="$(winepath -w "$folder")\Samples"
program="$folder/$(basename "$program")"

win32_start_window "$program"

# Focus starts in the hidden Text4; Tab order: Text3, Help, Text1, Start, Text2.
xdotool key --delay 80 Tab
xdotool type --delay 20 "$target\\"
xdotool key --delay 80 Tab Tab
xdotool type --delay 20 'Job ##'
xdotool key --delay 80 Tab Tab
xdotool type --delay 20 '3'
sleep 0.3
import -window "$window" -frame "$screenshot"
# The theme beside the program was found: its window face covers much of the window.
face=$(convert "$screenshot" -fill white -opaque 'rgb(220,228,238)' -fill black +opaque white \
         -format '%[fx:mean]' info:)
awk -v f="$face" 'BEGIN { exit !(f > 0.2) }' || { echo "the theme's face covers only $face"; exit 1; }

xdotool key --delay 80 shift+Tab space  # back to Start, and press it
question=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch$' | head -1) || true
[[ -n "$question" ]] || { echo "the closing question did not appear"; exit 1; }
sleep 0.3
xdotool key --delay 150 Tab Return  # No: the target folder is not opened
sleep 1
# Focus is back on Start; after it come Text2, the browse button and the sample button.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key --delay 80 Tab Tab Tab space
sleep 0.5

status=0
for name in "Job 01" "Job 02" "Job 03"; do
  [[ -d "$work/target/$name" ]] || { echo "missing folder: $name"; status=1; }
done
[[ ! -e "$work/target/Job 04" ]] || { echo "one folder too many"; status=1; }

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
win32_wait_exit || { echo "closing the window did not end the program"; status=1; }

# Pipes in place of the cursor and the theme: start-up goes on; the cursor's is the one report.
rm "$folder/HAND-M.CUR" "$folder/x/o.cjs"
mkfifo "$folder/HAND-M.CUR" "$folder/x/o.cjs"
wine "$program" >>"$work/program.log" 2>&1 </dev/null &
pid=$!
report=$(timeout 60 xdotool search --sync --onlyvisible --name '^Application Error$' | head -1) || true
if [[ -z "$report" ]]; then
  echo "no report of the cursor"; status=1
else
  xdotool windowactivate --sync "$report" 2>/dev/null || true
  xdotool key --delay 150 Return
fi
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1) || true
if [[ -z "$window" ]]; then
  echo "the window did not appear with pipes beside the program"; status=1
elif [[ -n $(xdotool search --onlyvisible --name '^Application Error$') ]]; then
  echo "more than one report"; status=1
fi
[[ -n "$window" ]] && { xdotool windowactivate --sync "$window" 2>/dev/null || true; xdotool key alt+F4; }
win32_wait_exit || true

wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
registry=$(tr -d '\r' <"$WINEPREFIX/user.reg")
section=$(awk '/^\[Software\\\\Quillmark\\\\Pallisand Quire Batch Utility\]/{on=1; next} /^\[/{on=0} on' <<<"$registry")
# A text as Wine's user.reg holds it: backslashes doubled, other characters as \x escapes, of
# four digits when a hex digit follows.
registry_text() {
  python3 -c 'import string, sys
text = sys.argv[1]
out = ""
for i, c in enumerate(text):
    padded = i + 1 < len(text) and text[i + 1] in string.hexdigits
    escape = ("\\x%04x" if padded else "\\x%x") % ord(c)
    out += "\\\\" if c == "\\" else c if 32 <= ord(c) < 127 else escape
print(out)' "$1"
}
expect() {
  grep -qxF "$1" <<<"$section" || { echo "user.reg lacks $1"; status=1; }
}
expect '"Text1"="Job ##"'
expect '"Text2"="3"'
expect "\"Text3\"=\"$(registry_text "$samples")\""
[[ $status -eq 0 ]] || { echo "--- section in user.reg:"; echo "$section"; }

# At 144 dpi, set before the start as a user sets it, the program lays its window out for it: the
# client area (what the window manager shows of it inside its own frame) is the design's
# 8040 x 4005 twips at 144 dpi. The cursor and the theme are files again.
rm "$folder/HAND-M.CUR" "$folder/x/o.cjs"
cp "$built/HAND-M.CUR" "$folder/"
cp "$built/x/o.cjs" "$folder/x/"
for key in 'HKCU\Control Panel\Desktop' 'HKCU\Software\Wine\Fonts'; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 </dev/null
done
wine "$program" >>"$work/program.log" 2>&1 </dev/null &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pallisand Quire Batch Utility$' | head -1) || true
if [[ -z "$window" ]]; then
  echo "the window did not appear at 144 dpi"; status=1
else
  sleep 0.5
  import -window "$window" -frame "${screenshot%.png}-144dpi.png"
  geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
  [[ "$geometry" == 804x401 ]] || { echo "at 144 dpi the client area is $geometry, not 804x401"; status=1; }
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key alt+F4
fi
win32_wait_exit || true
exit $status
