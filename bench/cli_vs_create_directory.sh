#!/usr/bin/env bash
# quirebatch-cli.exe against a bare CreateDirectoryW loop (bench/create_directory_loop.cpp), both
# making 2,000 folders in an empty folder on tmpfs under Wine, in turn, several rounds. Prints each
# round's times and the median of the ratios: of the whole runs, and of what 2,000 folders add to a
# run of one folder (the part of the time that Wine's start-up does not hide).
# The tool runs as it ships, with its journal; further arguments are passed to it (--no-journal).
# Usage: bench/cli_vs_create_directory.sh [path/to/quirebatch-cli.exe [rounds [option...]]]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/windows/bin/quirebatch-cli.exe}
rounds=${2:-9}
options=("${@:3}")
count=2000
if [[ ! -f "$cli" ]]; then
  cmake --preset windows -S "$here" >/dev/null && cmake --build --preset windows --target quirebatch-cli >/dev/null
fi
work=$(mktemp -d -p /dev/shm quire-bench-XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
loop=$work/create_directory_loop.exe
x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Werror -municode -static -s \
  -o "$loop" "$here/bench/create_directory_loop.cpp"
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null
wine wineboot -i >/dev/null 2>&1 </dev/null
target=$(winepath -w "$work/t")

# Milliseconds that one side takes to make `n` folders in an empty target.
run() {
  local side=$1 n=$2 start end
  rm -rf "$work/t" && mkdir "$work/t"
  start=$(date +%s%N)
  if [[ $side == cli ]]; then
    wine "$cli" 'Folder ######' "$n" "$target" --quiet "${options[@]}" >/dev/null
  else
    wine "$loop" "$target" "$n" >/dev/null
  fi
  end=$(date +%s%N)
  [[ $(find "$work/t" -mindepth 1 -maxdepth 1 | wc -l) -eq $n ]] || { echo "$side made no $n folders" >&2; exit 1; }
  echo $(((end - start) / 1000000))
}

run cli 1 >/dev/null && run loop 1 >/dev/null  # warm-up
ratios=() marginal=()
printf '%5s %10s %10s %8s %10s %10s %8s\n' round "loop(ms)" "cli(ms)" ratio "loop+(ms)" "cli+(ms)" ratio+
for round in $(seq "$rounds"); do
  # Alternate who goes first, so that a load that comes and goes falls on both sides alike.
  if ((round % 2)); then
    l=$(run loop $count); c=$(run cli $count); l1=$(run loop 1); c1=$(run cli 1)
  else
    c=$(run cli $count); l=$(run loop $count); c1=$(run cli 1); l1=$(run loop 1)
  fi
  ratio=$(awk -v c="$c" -v l="$l" 'BEGIN { printf "%.3f", c / l }')
  more=$(awk -v c="$((c - c1))" -v l="$((l - l1))" 'BEGIN { printf "%.3f", (l > 0 ? c / l : 0) }')
  ratios+=("$ratio") marginal+=("$more")
  printf '%5d %10d %10d %8s %10d %10d %8s\n' "$round" "$l" "$c" "$ratio" "$((l - l1))" "$((c - c1))" "$more"
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "median ratio of whole runs (cli / loop, $count folders): $(median "${ratios[@]}")"
echo "median ratio of what $count folders add to one:          $(median "${marginal[@]}")"
