#!/usr/bin/env bash
# kill -9 at random moments of a run, ten times, each followed by undo: the journal lists the first
# folders made, whole (a dry run names them: those it would remove and those it would keep), undo
# removes exactly the ones the dry run named, and every other entry of the target (the folders made
# after the journal's last write, and the user's own) remains. A journaled folder is kept only
# for a subfolder made after that write.
set -u
cli=$(readlink -f "$1")
base=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
trap 'rm -rf "$base"' EXIT
export XDG_STATE_HOME=$base/state
count=30000
. "$(dirname "$0")/../checks.sh"

for round in $(seq 1 10); do
  target=$base/round$round
  mkdir -p "$target/Mine/inner"
  echo note >"$target/Mine/note"
  each=()
  ((round % 2 == 0)) && each=(--each A)
  "$cli" "${each[@]}" "K #####" "$count" "$target" >/dev/null 2>&1 &
  pid=$!
  sleep "0.$((RANDOM % 45 + 5))"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  find "$target" -mindepth 1 | sort >"$base/before"
  "$cli" undo --dry-run >"$base/dry" 2>"$base/dry-err"
  grep -v '^would remove' "$base/dry" | sort >"$base/removable"
  sed -n 's/^quirebatch-cli: kept: \(.*\): not empty$/\1/p' "$base/dry-err" | sort >"$base/kept"
  # A run killed part way never ended its journal: undo says so.
  killed=0
  grep -q '^quirebatch-cli: the journal of the last run is incomplete' "$base/dry-err" && killed=1
  # Killed before its journal was made (a slow start on a busy machine), the run left none.
  none=0
  grep -q '^quirebatch-cli: nothing to undo$' "$base/dry-err" && none=1
  [[ $(($(wc -l <"$base/dry-err") - killed - none)) == $(wc -l <"$base/kept") ]] || fail "round $round: kept for another reason"
  sort -m "$base/removable" "$base/kept" >"$base/listed"
  "$cli" undo >"$base/out" 2>&1
  status=$?
  find "$target" -mindepth 1 | sort >"$base/after"
  listed=$(wc -l <"$base/listed")
  # The journal's folders are the first ones made, each whole.
  expected=$(for i in $(seq 1 "$listed"); do
    printf '%s/K %05d\n' "$target" "$i"
    ((${#each[@]})) && printf '%s/K %05d/A\n' "$target" "$i"
  done | head -n "$listed" | sort)
  [[ "$(cat "$base/listed")" == "$expected" ]] || fail "round $round: the journal is not the first $listed folders"
  [[ "$(comm -23 "$base/before" "$base/after")" == "$(cat "$base/removable")" ]] ||
    fail "round $round: undo removed other than the dry run's folders"
  while read -r folder; do
    [[ -e "$folder/A" ]] || fail "round $round: $folder kept though empty"
  done <"$base/kept"
  [[ -z "$(comm -13 "$base/before" "$base/after")" ]] || fail "round $round: undo made something"
  [[ -f "$target/Mine/note" && -d "$target/Mine/inner" ]] || fail "round $round: the user's folder was touched"
  kept=$(wc -l <"$base/kept")
  removed=$((listed - kept))
  if ((listed > 0)); then
    [[ $status == $((kept > 0 || killed)) &&
       "$(grep -v '^quirebatch-cli: kept: \|^quirebatch-cli: the journal of the last run is incomplete' "$base/out")" == "removed $removed, kept $kept" ]] ||
      fail "round $round: undo said [$(cat "$base/out")] ($status)"
  else
    [[ $status == 2 ]] || fail "round $round: an empty journal gave $status"
  fi
  left=$(($(wc -l <"$base/after") - 3))
  echo "round $round: the journal listed $listed folders ($((killed ? 0 : 1)) ended), $removed removed; $left entries remain"
  rm -rf "$XDG_STATE_HOME"
done
exit $((failures > 0))
