#!/usr/bin/env bash
# The command-line tool as a user runs it: exit statuses, streams, a terminal-free run, Ctrl-C.
set -u
cli=$(readlink -f "$1")
work=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [[ "$2" != "$3" ]]; then
    echo "FAIL $1: expected [$2] got [$3]"
    failures=$((failures + 1))
  fi
}

out=$("$cli" "Folder ###" 3 "$work" 2>"$work.err"); status=$?
check "run status" 0 "$status"
check "summary" "created 3, skipped 0, failed 0" "$out"
check "no progress on a pipe" "" "$(cat "$work.err")"
check "folders" "Folder 001 Folder 002 Folder 003" "$(cd "$work" && echo Folder*)"

touch "$work/Folder 005"
out=$("$cli" "Folder ###" 6 "$work" 2>"$work.err"); status=$?
check "failure status" 1 "$status"
check "failure summary" "created 2, skipped 3, failed 1" "$out"
check "failure line" "error: $work/Folder 005: File exists" "$(cat "$work.err")"

out=$("$cli" "New ##" 3 "$work" --dry-run 2>/dev/null); status=$?
check "dry-run status" 0 "$status"
check "dry-run output" "$(printf '%s\n' "$work/New 01" "$work/New 02" "$work/New 03" "created 3, skipped 0, failed 0")" "$out"
check "dry-run creates nothing" "" "$(cd "$work" && ls -d New* 2>/dev/null)"

err=$("$cli" "A#B#" 3 "$work" 2>&1 >/dev/null); status=$?
check "pattern status" 2 "$status"
check "pattern message" "You must have a single block of #'s present in your naming scheme." "$err"
err=$("$cli" "F#" 1e400 "$work" 2>&1 >/dev/null); status=$?
check "count message" "1e400 does not appear to be a number." "$err"
"$cli" "F#" 3 "$work/Folder 005" >/dev/null 2>&1; status=$?
check "file as target" 2 "$status"
(cd "$work" && "$cli" "Rel #" 2 . >/dev/null 2>&1); status=$?
check "relative target" "0 Rel 1 Rel 2" "$status $(cd "$work" && echo Rel*)"
check "version" "quirebatch-cli 7.00" "$("$cli" --version)"
"$cli" --bogus >/dev/null 2>&1; status=$?
check "unknown option" 2 "$status"

# Ctrl-C: the run stops after the folder in hand, prints its summary and exits with 130.
mkdir "$work/big"
"$cli" "Big #######" 2000000 "$work/big" >"$work.out" 2>/dev/null &
pid=$!
sleep 0.3
kill -INT "$pid"
wait "$pid"; status=$?
check "interrupt status" 130 "$status"
created=$(sed -n 's/^created \([0-9]*\),.*/\1/p' "$work.out")
check "interrupt summary matches disk" "$(find "$work/big" -mindepth 1 -maxdepth 1 | wc -l)" "$created"
[[ "$created" -lt 2000000 ]] || { echo "FAIL interrupt: the run did not stop"; failures=$((failures + 1)); }

rm -f "$work.err" "$work.out"
exit $((failures > 0))
