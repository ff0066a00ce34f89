#!/usr/bin/env bash
# kill -9 at random moments of a 20,000-folder run, ten times: what exists is exactly the folders
# 1..k, each a whole folder with its whole name, and a second run completes the set by skipping them.
set -u
cli=$(readlink -f "$1")
base=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
trap 'rm -rf "$base"' EXIT
count=20000
. "$(dirname "$0")/../checks.sh"

for round in $(seq 1 10); do
  target=$base/round$round
  mkdir "$target"
  "$cli" "K #####" "$count" "$target" >/dev/null 2>&1 &
  pid=$!
  sleep "0.0$((RANDOM % 60))"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  k=$(find "$target" -mindepth 1 -maxdepth 1 | wc -l)
  expected=$(seq -f "K %05g" 1 "$k")
  actual=$(find "$target" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
  [[ "$actual" == "$expected" ]] || fail "round $round: the $k entries are not the folders 1..$k"
  out=$("$cli" "K #####" "$count" "$target" 2>&1)
  [[ "$out" == "created $((count - k)), skipped $k, failed 0" ]] || fail "round $round: rerun said [$out]"
  echo "round $round: killed after $k folders"
done
exit $((failures > 0))
