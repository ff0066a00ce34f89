#!/usr/bin/env bash
# The tool against a bare C loop of mkdir over the same names (bench/mkdir_loop.cpp), in the same
# run, on tmpfs: the plain run and --each A --each B on 100,000 folders, and --names over a list
# of 1,000,000 lines against the plain run of as many folders, with its peak memory. The two sides
# run in turn and the ratio is the median of the rounds' ratios; the instructions, counted by
# callgrind on 100,000 folders, are exact and repeatable (the kernel's own work is not in them).
# Runs keep their journal (bench/undo_bench.sh weighs it); the plain run is also timed without it.
# Usage: bench/cli_features_bench.sh [quirebatch-cli [mkdir_loop]]   (default: the bench build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/src/cli/quirebatch-cli}
loop=${2:-$here/build/bench/bench/mkdir_loop}
if [[ ! -x "$cli" || ! -x "$loop" ]]; then
  cmake --preset bench -S "$here" >/dev/null
  cmake --build --preset bench --target quirebatch-cli mkdir_loop >/dev/null
fi
base=$(mktemp -d -p /dev/shm quire-bench-XXXXXX)
trap 'rm -rf "$base"' EXIT
export XDG_STATE_HOME=$base/state  # the user's own journal of the last run stays as it is
t=$base/t
seq -f 'Name %07g' 1 1000000 >"$base/names"
head -n 100000 "$base/names" >"$base/names-100k"

# ROUNDS NAME COMMAND BASELINE: runs COMMAND and BASELINE in turn, each into an empty $t, and
# prints the median seconds of each and the median of their ratios, round by round: a machine
# whose load changes during the benchmark weighs on both alike.
compare() {
  python3 - "$t" "$@" <<'PY'
import shlex, statistics, subprocess, sys, time
target, rounds, command, baseline = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
def once(line):
    subprocess.run(["rm", "-rf", target], check=True)
    subprocess.run(["mkdir", target], check=True)
    start = time.perf_counter()
    subprocess.run(shlex.split(line), check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter() - start
once(command), once(baseline)  # warm-up
pairs = [(once(command), once(baseline)) for _ in range(rounds)]
print(statistics.median(p[0] for p in pairs), statistics.median(p[1] for p in pairs),
      statistics.median(p[0] / p[1] for p in pairs))
PY
}
instructions() {  # COMMAND...: the instructions the command runs into an empty $t
  rm -rf "$t" && mkdir "$t"
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
peak() {  # COMMAND...: peak resident memory in KiB
  rm -rf "$t" && mkdir "$t"
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1
}

read -r plain_cli plain_loop plain_ratio <<<"$(compare 11 "$cli --quiet 'Folder ######' 100000 $t" "$loop $t 100000")"
read -r bare_cli bare_loop bare_ratio <<<"$(compare 11 "$cli --quiet --no-journal 'Folder ######' 100000 $t" "$loop $t 100000")"
read -r each_cli each_loop each_ratio <<<"$(compare 11 "$cli --quiet --each A --each B 'Folder ######' 100000 $t" "$loop $t 100000 A B")"
read -r names_cli million_cli names_ratio <<<"$(compare 3 "$cli --quiet --names $base/names $t" "$cli --quiet 'Name #######' 1000000 $t")"
read -r _ names_loop _ <<<"$(compare 1 "$loop $t --names $base/names" "$loop $t --names $base/names")"
names_peak=$(peak "$cli" --quiet --names "$base/names" "$t")
plain_peak=$(peak "$cli" --quiet 'Name #######' 1000000 "$t")

i_plain_loop=$(instructions "$loop" "$t" 100000)
i_plain_cli=$(instructions "$cli" --quiet 'Folder ######' 100000 "$t")
i_bare_cli=$(instructions "$cli" --quiet --no-journal 'Folder ######' 100000 "$t")
i_each_loop=$(instructions "$loop" "$t" 100000 A B)
i_each_cli=$(instructions "$cli" --quiet --each A --each B 'Folder ######' 100000 "$t")
i_names_cli=$(instructions "$cli" --quiet --names "$base/names-100k" "$t")
i_named_cli=$(instructions "$cli" --quiet 'Name #######' 100000 "$t")

python3 - "$plain_cli" "$plain_loop" "$plain_ratio" "$each_cli" "$each_loop" "$each_ratio" \
  "$names_cli" "$million_cli" "$names_ratio" "$names_loop" "$names_peak" "$plain_peak" \
  "$i_plain_cli" "$i_plain_loop" "$i_each_cli" "$i_each_loop" "$i_names_cli" "$i_named_cli" \
  "$bare_cli" "$bare_loop" "$bare_ratio" "$i_bare_cli" <<'PY'
import sys
v = list(map(float, sys.argv[1:]))
rows = [
    ("plain, 100,000 folders (against the mkdir loop)", v[0], v[1], v[2], 1.05, v[12], v[13], 1e5),
    ("plain --no-journal, 100,000 folders (mkdir loop)", v[18], v[19], v[20], 1.05, v[21], v[13], 1e5),
    ("--each A --each B, 300,000 folders (mkdir loop)", v[3], v[4], v[5], 1.10, v[14], v[15], 3e5),
    ("--names, 1,000,000 lines (the plain run)", v[6], v[7], v[8], 1.10, v[16], v[17], 1e5),
]
print(f"{'':50} {'tool s':>7} {'against':>7} {'ratio':>6} {'limit':>5}   instructions/folder")
ok = True
for name, tool, base, ratio, limit, itool, ibase, folders in rows:
    ok = ok and ratio <= limit
    print(f"{name:50} {tool:7.3f} {base:7.3f} {ratio:6.3f} {limit:5.2f}   {itool / folders:5.0f} against {ibase / folders:5.0f}")
print(f"the mkdir loop over the 1,000,000 lines: {v[9]:.3f} s")
print(f"peak memory: --names of 1,000,000 lines {v[10]:.0f} KiB, the plain run of 1,000,000 {v[11]:.0f} KiB (limit 8192)")
ok = ok and v[10] < 8192
print("within the limits" if ok else "OUTSIDE THE LIMITS")
PY
