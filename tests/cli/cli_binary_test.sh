#!/usr/bin/env bash
# The command-line tool as a user runs it: exit statuses, streams that cannot be written, a
# terminal-free run, stop signals, a target deeper than PATH_MAX.
set -u
cli=$(readlink -f "$1")
. "$(dirname "$0")/stop_with.sh"
work=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../checks.sh"

out=$("$cli" "Folder ###" 3 "$work" 2>"$work.err"); status=$?
check "run status" 0 "$status"
check "summary" "created 3, skipped 0, failed 0" "$out"
check "no progress on a pipe" "" "$(cat "$work.err")"
check "folders" "Folder 001 Folder 002 Folder 003" "$(cd "$work" && echo Folder*)"

touch "$work/Folder 005"
out=$("$cli" "Folder ###" 6 "$work" 2>"$work.err"); status=$?
check "failure status" 1 "$status"
check "failure summary" "created 2, skipped 3, failed 1" "$out"
check "failure line" "quirebatch-cli: error: $work/Folder 005: File exists" "$(cat "$work.err")"

out=$("$cli" "New ##" 3 "$work" --dry-run 2>/dev/null); status=$?
check "dry-run status" 0 "$status"
check "dry-run output" "$(printf '%s\n' "$work/New 01" "$work/New 02" "$work/New 03" "created 3, skipped 0, failed 0")" "$out"
check "dry-run creates nothing" "" "$(cd "$work" && ls -d New* 2>/dev/null)"

err=$("$cli" "A#B#" 3 "$work" 2>&1 >/dev/null); status=$?
check "pattern status" 2 "$status"
check "pattern message" "quirebatch-cli: You must have a single block of #'s present in your naming scheme." "$err"
err=$("$cli" "F#" 1e400 "$work" 2>&1 >/dev/null); status=$?
check "count message" "quirebatch-cli: 1e400 does not fit a 32-bit count." "$err"
"$cli" "F#" 3 "$work/Folder 005" >/dev/null 2>&1; status=$?
check "file as target" 2 "$status"
mkfifo "$work/pipe" && ln -s nowhere "$work/broken" && ln -s "$work/Folder 005" "$work/to-file"
for target in "pipe: Not a directory" "broken: No such file or directory" "to-file: Not a directory"; do
  err=$("$cli" "T #" 1 "$work/${target%%:*}" 2>&1 >/dev/null); status=$?
  check "${target%%:*} as target" "2 quirebatch-cli: $work/$target quirebatch-cli: Folder does not appear to be valid" "$status $(echo $err)"
done
ln -s "$work" "$work/to-folder"
check "link to a folder as target" "created 1, skipped 0, failed 0" "$("$cli" "L #" 1 "$work/to-folder")"
rm -r "$work/pipe" "$work/broken" "$work/to-file" "$work/to-folder" "$work/L 1"
(cd "$work" && "$cli" "Rel #" 2 . >/dev/null 2>&1); status=$?
check "relative target" "0 Rel 1 Rel 2" "$status $(cd "$work" && echo Rel*)"
check "version" "quirebatch-cli 7.00" "$("$cli" --version)"
"$cli" --bogus >/dev/null 2>&1; status=$?
check "unknown option" 2 "$status"

# Output that cannot be written is never success. The real run's folders are made all the same.
while IFS='|' read -r name redirects args status said folders; do
  rm -rf "$work/s" "$work.err" && mkdir "$work/s" && touch "$work.err"
  eval "set -- $args"
  eval "\"\$cli\" \"\$@\" $redirects"; got=$?
  check "$name" "$status|$said|$folders" "$got|$(cat "$work.err")|$(find "$work/s" -mindepth 1 | wc -l)"
done <<'TABLE'
full stdout|>/dev/full 2>"$work.err"|"S #" 2 "$work/s"|1|quirebatch-cli: standard output: No space left on device|2
closed stdout|>&- 2>"$work.err"|"S #" 2 "$work/s"|1|quirebatch-cli: standard output: Bad file descriptor|2
dry run to a full stdout|>/dev/full 2>"$work.err"|"S #" 2 "$work/s" --dry-run|1|quirebatch-cli: standard output: No space left on device|0
version to a full stdout|>/dev/full 2>"$work.err"|--version|1|quirebatch-cli: standard output: No space left on device|0
help to a closed stdout|>&- 2>"$work.err"|--help|1|quirebatch-cli: standard output: Bad file descriptor|0
full stderr, a folder failing|>/dev/null 2>/dev/full|"x/S #" 2 "$work/s"|1||0
closed stderr, a folder failing|>/dev/null 2>&-|"x/S #" 2 "$work/s"|1||0
full stderr, nothing to say|>/dev/null 2>/dev/full|"S #" 2 "$work/s"|0||2
closed stderr, bad input|>/dev/null 2>&-|"S #" abc "$work/s"|2||0
both closed|>&- 2>&-|"S #" 2 "$work/s"|1||2
TABLE

# SIGINT, SIGTERM and SIGHUP stop the run after the folder in hand; the summary matches the disk.
for signal in INT:130 TERM:143 HUP:129; do
  rm -rf "$work/big" && mkdir "$work/big"
  "$cli" "Big #######" 2000000 "$work/big" >"$work.out" 2>/dev/null &
  pid=$!
  sleep 0.3
  kill "-${signal%:*}" "$pid"
  wait "$pid"; status=$?
  check "$signal status" "${signal#*:}" "$status"
  created=$(sed -n 's/^created \([0-9]*\),.*/\1/p' "$work.out")
  check "$signal summary matches disk" "$(find "$work/big" -mindepth 1 -maxdepth 1 | wc -l)" "$created"
  [[ "$created" -lt 2000000 ]] || { echo "FAIL $signal: the run did not stop"; failures=$((failures + 1)); }
done

# Under nohup, SIGHUP stays ignored.
rm -rf "$work/big" && mkdir "$work/big"
(trap '' HUP && exec "$cli" "Big #######" 2000000 "$work/big" >/dev/null 2>&1) &
pid=$!
sleep 0.2
kill -HUP "$pid"
sleep 0.2
kill -0 "$pid" 2>/dev/null; check "nohup keeps running" 0 "$?"
kill -TERM "$pid"
wait "$pid"; check "nohup then SIGTERM" 143 "$?"

# A stop signal ends a dry run blocked on a reader that stopped reading.
mkfifo "$work/fifo"
exec 3<>"$work/fifo"
"$cli" "Stalled #######" 2000000 "$work" --dry-run >"$work/fifo" 2>"$work.err" &
stop_with TERM $!
exec 3<&-
check "stalled reader: status" 143 "$status"
check "stalled reader: said" "quirebatch-cli: standard output: Interrupted system call" "$(cat "$work.err")"

# A reader that leaves ends the tool by SIGPIPE.
"$cli" "P #######" 100000 "$work" --dry-run 2>/dev/null | head -1 >/dev/null
check "SIGPIPE" 141 "${PIPESTATUS[0]}"

# A target deeper than PATH_MAX, made in steps as no single call could.
step=$(printf 'd%.0s' {1..250})
deep=$work/deep
mkdir "$deep"
(cd "$deep" && for _ in $(seq 20); do mkdir "$step" && cd "$step" || exit 1; done)
for _ in $(seq 20); do deep=$deep/$step; done
check "deep: longer than PATH_MAX" 1 "$(( ${#deep} > $(getconf PATH_MAX /) ))"
out=$("$cli" "D #" 3 "$deep" 2>&1); check "deep run" "0 created 3, skipped 0, failed 0" "$? $out"
out=$("$cli" "D #" 4 "$deep" --dry-run 2>&1); check "deep dry run" "0 $deep/D 4 created 1, skipped 3, failed 0" "$? $(echo $out)"
err=$("$cli" "D #" 3 "$deep/none" 2>&1); status=$?
check "deep refusal" "2 quirebatch-cli: $deep/none: No such file or directory quirebatch-cli: Folder does not appear to be valid" "$status $(echo $err)"

rm -f "$work.err" "$work.out"
exit $((failures > 0))
