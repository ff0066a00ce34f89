#!/usr/bin/env bash
# valgrind finds no leak and no memory error in a 10,000-folder run (with a failure in it).
set -u
cli=$(readlink -f "$1")
base=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
trap 'rm -rf "$base"' EXIT
touch "$base/V 05000"
valgrind --quiet --leak-check=full --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
  --error-exitcode=99 "$cli" "V #####" 10000 "$base" >"$base/out" 2>"$base/err"
status=$?
cat "$base/out"
[[ $status -eq 1 ]] || { echo "FAIL: status $status"; cat "$base/err"; exit 1; }
[[ "$(cat "$base/out")" == "created 9999, skipped 0, failed 1" ]] || exit 1

# The same for a list with bad lines, subfolders and a template, as a dry run and for real.
mkdir -p "$base/tpl/a/b" "$base/list-run"
printf 'L ###\n\nx#y#\n\xff\nL 001/inner\n' >"$base/list"
for dry in --dry-run ""; do
  valgrind --quiet --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --error-exitcode=99 "$cli" --names "$base/list" \
    --each E --template "$base/tpl" --portable $dry "$base/list-run" >"$base/out" 2>"$base/err"
  status=$?
  [[ $status -eq 1 ]] || { echo "FAIL: list$dry status $status"; cat "$base/err"; exit 1; }
  [[ "$(tail -1 "$base/out")" == "created 8, skipped 0, failed 2" ]] || { echo "FAIL: list$dry said $(tail -1 "$base/out")"; exit 1; }
done
