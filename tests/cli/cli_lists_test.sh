#!/usr/bin/env bash
# Lists, templates and bad input as the tool meets them for real: each refused before anything is
# made (status 2, one line) or reported for its own line, and nothing hangs.
set -u
cli=$(readlink -f "$1")
. "$(dirname "$0")/stop_with.sh"
work=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
chmod 755 "$work"
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../checks.sh"
fresh() { rm -rf "$work/t" && mkdir "$work/t"; }
count() { find "$work/t" -mindepth 1 | wc -l; }

# Refused before anything is made: status, the one line on stderr, nothing on disk.
mkdir "$work/folder" && mkfifo "$work/fifo-unused"
while IFS='|' read -r name args said; do
  fresh
  eval "set -- $args"
  err=$("$cli" "$@" 2>&1 >/dev/null); status=$?
  check "$name" "2|$said|0" "$status|$err|$(count)"
done <<TABLE
list missing|--names "$work/none" "$work/t"|quirebatch-cli: $work/none: No such file or directory
list is a folder|--names "$work/folder" "$work/t"|quirebatch-cli: $work/folder: Is a directory
list with a count|--names x "F#" 3 "$work/t"|quirebatch-cli: --names takes TARGET alone, no PATTERN or COUNT (see quirebatch-cli --help)
value missing|"F#" 3 "$work/t" --each|quirebatch-cli: --each needs a value (see quirebatch-cli --help)
template missing|--template "$work/none" "F#" 3 "$work/t"|quirebatch-cli: --template $work/none: No such file or directory
template is a file|--template "$cli" "F#" 3 "$work/t"|quirebatch-cli: --template $cli: Not a directory
counter below 0|--start 1 --step -1 "F#" 3 "$work/t"|quirebatch-cli: --start 1 --step -1: the counter of folder 3 would be -1, below 0
TABLE

# Lines that name no folder are failures of their own, and the list goes on.
fresh
{ printf 'a\0b\nok 1\n\xff\xfe\n'; head -c 10485760 /dev/zero | tr '\0' x; printf '\nok 2\n'; } >"$work/list"
out=$("$cli" --names "$work/list" "$work/t" 2>"$work/err"); status=$?
check "bad lines: status" 1 "$status"
check "bad lines: summary" "created 2, skipped 0, failed 3" "$out"
check "bad lines: said" "quirebatch-cli: error: $work/t/a\\x00b: line 1: the line holds a NUL byte
quirebatch-cli: error: $work/t/\\xff\\xfe: line 3: the line is not UTF-8
quirebatch-cli: error: $work/t/$(printf 'x%.0s' {1..64})…: line 4: the line is longer than 32768 bytes" "$(cat "$work/err")"
check "bad lines: disk" "ok 1 ok 2" "$(cd "$work/t" && echo *)"

# Standard input.
fresh
out=$(printf 'one\r\n\r\n## two\r\n' | "$cli" --names - --each sub "$work/t"); status=$?
check "stdin" "0 created 4, skipped 0, failed 0" "$status $out"
check "stdin: disk" "02 two one" "$(cd "$work/t" && echo *)"

# A pipe whose writer stays silent, and one that no writer ever opens: SIGINT stops the run.
for kind in silent unopened; do
  fresh
  rm -f "$work/fifo" && mkfifo "$work/fifo"
  [[ $kind == silent ]] && { exec 3<>"$work/fifo"; printf 'a\nb\n' >&3; }
  "$cli" --names "$work/fifo" "$work/t" >"$work/out" 2>"$work/err" &
  stop_with INT $!
  [[ $kind == silent ]] && exec 3>&-
  made=$([[ $kind == silent ]] && echo 2 || echo 0)
  check "$kind pipe: stopped" "130 created $made, skipped 0, failed 0" "$status $(cat "$work/out")"
done

# A list without an end of line that never waits (a device): the line fails once it is too long,
# and each stop signal ends the run within a second.
for signal in INT:130 TERM:143; do
  fresh
  "$cli" --names /dev/zero "$work/t" >"$work/out" 2>"$work/err" &
  began=$(date +%s%N)
  stop_with "${signal%:*}" $!
  waited=$(( ($(date +%s%N) - began) / 1000000 - 300 ))
  check "endless line, SIG${signal%:*}" "${signal#*:} created 0, skipped 0, failed 1 1" \
    "$status $(cat "$work/out") $((waited < 1000))"
  check "endless line, SIG${signal%:*}: said" "quirebatch-cli: error: $work/t/$(printf '\\x00%.0s' {1..64})…: line 1: the line is longer than 32768 bytes" "$(cat "$work/err")"
done

# A list that starts with a byte order mark is read in its encoding.
while IFS='|' read -r name mark encoding; do
  fresh
  { printf "$mark"; printf 'Alpha\r\n\xc3\x89t\xc3\xa9\r\n' | iconv -f UTF-8 -t "$encoding"; } >"$work/list"
  out=$("$cli" --names "$work/list" "$work/t" 2>&1); status=$?
  check "$name" "0 created 2, skipped 0, failed 0 Alpha Été" "$status $out $(cd "$work/t" && echo *)"
done <<'TABLE'
UTF-8 with its mark|\xef\xbb\xbf|UTF-8
UTF-16LE with its mark|\xff\xfe|UTF-16LE
UTF-16BE with its mark|\xfe\xff|UTF-16BE
TABLE

# A template: folders only, links not followed (a loop back to itself is none), deep and wide.
mkdir -p "$work/tpl/a/b" "$work/tpl/c" && touch "$work/tpl/a/file" && ln -s "$work/tpl" "$work/tpl/a/loop"
fresh
out=$("$cli" --template "$work/tpl" "T#" 2 "$work/t"); status=$?
check "template" "0 created 8, skipped 0, failed 0" "$status $out"
check "template: folders only" "T1 T1/a T1/a/b T1/c T2 T2/a T2/a/b T2/c" "$(cd "$work/t" && find . -mindepth 1 | sed 's:^\./::' | sort | xargs)"

mkdir "$work/wide" && (cd "$work/wide" && seq -f 'w%05g' 1 10000 | xargs mkdir)
fresh
out=$(timeout 60 "$cli" --template "$work/wide" "W#" 2 "$work/t"); status=$?
check "10,000 subfolders" "0 created 20002, skipped 0, failed 0" "$status $out"

# An unreadable folder in the template is refused before anything is made, as a user who cannot
# read it (root reads everything).
source "$(dirname "$0")/../as_nobody.sh"
if [[ -n $nobody_runs ]]; then
  mkdir -p "$work/locked/open/shut" && chmod 000 "$work/locked/open/shut"
  fresh && chmod 777 "$work/t"
  err=$("${as_user[@]}" "$cli" --template "$work/locked" "L#" 2 "$work/t" 2>&1 >/dev/null); status=$?
  check "unreadable template" "2 quirebatch-cli: --template $work/locked/open/shut: Permission denied 0" "$status $err $(count)"
fi

# The help names every option on one line each, with its short spelling, and gives examples.
help=$("$cli" --help)
for option in --start --step --each --template --names -p,\ --parents --portable -n,\ --dry-run \
  -0,\ --null -q,\ --quiet -h,\ --help -V,\ --version; do
  check "help: $option" 1 "$(grep -c -- "^  $option " <<<"$help")"
done
check "help: examples" 4 "$(grep -cE '^  (printf .*\| )?quirebatch-cli ' <<<"$help")"

exit $((failures > 0))
