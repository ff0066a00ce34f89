#!/usr/bin/env bash
# The run journal's cost and undo's speed, on tmpfs (the journal too): a 100,000-folder run of the
# tool against the same run with --no-journal, and the undo of 100,000 and of 1,000,000 folders
# against a bare single-threaded C loop that checks each folder (fstatat, links not followed) and
# removes it (unlinkat, AT_REMOVEDIR), last first (bench/rmdir_loop.cpp); the undo's peak memory
# too. The two sides run in turn and the ratio is the median of the rounds' ratios, so that a
# machine whose load changes weighs on both alike.
# Usage: bench/undo_bench.sh [quirebatch-cli [rmdir_loop]]   (default: the bench build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/src/cli/quirebatch-cli}
loop=${2:-$here/build/bench/bench/rmdir_loop}
if [[ ! -x "$cli" || ! -x "$loop" ]]; then
  cmake --preset bench -S "$here" >/dev/null
  cmake --build --preset bench --target quirebatch-cli rmdir_loop >/dev/null
fi
base=$(mktemp -d -p /dev/shm quire-bench-XXXXXX)
trap 'rm -rf "$base"' EXIT
export XDG_STATE_HOME=$base/state

python3 - "$base/t" "$cli" "$loop" <<'PY'
import os, statistics, subprocess, sys, time
target, cli, loop = sys.argv[1:]
run = [cli, "--quiet", "Folder ######", "100000", target]

peak = [0]

def timed(command, before=None):
    subprocess.run(["rm", "-rf", target], check=True)
    subprocess.run(["mkdir", target], check=True)
    if before:
        subprocess.run(before, check=True, stdout=subprocess.DEVNULL)
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    assert os.waitstatus_to_exitcode(status) == 0, command
    if command[1:2] == ["undo"]:
        peak[0] = max(peak[0], usage.ru_maxrss)
    return time.perf_counter() - start

def compare(rounds, command, baseline, before=None):
    timed(command, before), timed(baseline, before)  # warm-up
    pairs = [(timed(command, before), timed(baseline, before)) for _ in range(rounds)]
    return (statistics.median(p[0] for p in pairs), statistics.median(p[1] for p in pairs),
            statistics.median(p[0] / p[1] for p in pairs))

million = [cli, "--quiet", "Folder ######", "1000000", target]
rows = [
    ("run of 100,000 folders, journal against --no-journal",
     compare(11, run, run[:1] + ["--no-journal"] + run[1:]), 1.03),
    ("undo of 100,000 folders against fstatat+unlinkat",
     compare(7, [cli, "undo", "--quiet"], [loop, target, "100000"], before=run), 1.10),
    ("undo of 1,000,000 folders against fstatat+unlinkat",
     compare(3, [cli, "undo", "--quiet"], [loop, target, "1000000"], before=million), 1.10),
]
print(f"{'':55} {'tool s':>7} {'against':>7} {'ratio':>6} {'limit':>5}")
ok = True
for name, (tool, base, ratio), limit in rows:
    ok = ok and ratio <= limit
    print(f"{name:55} {tool:7.3f} {base:7.3f} {ratio:6.3f} {limit:5.2f}")
print(f"undo's peak memory: {peak[0] / 1024:.1f} MiB (limit 64)")
ok = ok and peak[0] <= 64 * 1024
print("within the limits" if ok else "OUTSIDE THE LIMITS")
PY
