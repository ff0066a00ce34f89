#!/usr/bin/env bash
# The Linux program's speed and size on an X server of its own (Xvfb with openbox):
#  - a run of 100,000 folders on tmpfs in the real window, against the same loop without the pump;
#  - a run of 10,000 folders with two subfolders in each (the options' --each twice) in the window,
#    against the command-line tool making the same plan, both writing their journal, on tmpfs;
#  - time from process start to the window first painted, and peak memory, over 10 starts.
# Usage: bench/qt_bench.sh [count]   (builds the bench preset first)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-100000}
cmake --preset bench -S "$here" >/dev/null
cmake --build --preset bench --target qt_run_bench qt_startup_probe quirebatch quirebatch-cli >/dev/null
bin=$here/build/bench/bench
program=$here/build/bench/src/platform/qt/quirebatch
. "$here/tests/e2e/qt_display.sh"

base=$(mktemp -d -p /dev/shm quire-qt-bench-XXXXXX)
trap 'rm -rf "$base"; qt_display_stop' EXIT
qt_display_start 1280x800x24
export XDG_CONFIG_HOME=$base/config XDG_STATE_HOME=$base/state
mkdir -p "$base/bin" && printf '#!/bin/sh\nexit 0\n' > "$base/bin/xdg-open" && chmod +x "$base/bin/xdg-open"
export PATH=$base/bin:$PATH

echo "== a run of $count folders on tmpfs"
"$bin/qt_run_bench" "$count" "$base/run" 2>/dev/null

echo "== a run with options of 10,000 folders on tmpfs, the window against the tool"
mkdir -p "$base/options"
"$bin/qt_run_bench" --options 10000 "$base/options" "$here/build/bench/src/cli/quirebatch-cli" 2>/dev/null

echo "== start to first paint, 10 starts"
for i in $(seq 10); do
    QUIRE_LAUNCH_NS=$(date +%s%N) "$bin/qt_startup_probe" 2>/dev/null | tr '\n' ' '
    echo
done | sort -t' ' -k3 -n | awk '{print} {t[NR]=$3} END{printf "median first paint %.1f ms\n", (t[5]+t[6])/2}'

echo "== the real program, peak memory once its window is up"
"$program" 2>/dev/null &
app=$!
qt_wait_window "Pallisand Quire Batch Utility" >/dev/null && sleep 0.5
grep VmHWM "/proc/$app/status"
kill "$app"; wait "$app" 2>/dev/null || true
