#!/usr/bin/env bash
# Real disk faults met by the command-line tool: a read-only target, a target taken away during the
# run, a file in the way, names too long for the file system. In every case the summary's counts
# match what is on disk and every failure has its error line.
set -u
cli=$(readlink -f "$1")
base=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
chmod 755 "$base"
trap 'chmod -R u+w "$base" 2>/dev/null; rm -rf "$base"' EXIT
. "$(dirname "$0")/../checks.sh"
folders() { find "$1" -mindepth 1 -maxdepth 1 -type d | wc -l; }
summary() { sed -n 's/^created \([0-9]*\), skipped \([0-9]*\), failed \([0-9]*\)$/\1 \2 \3/p' "$1"; }

# As an unprivileged user (root writes anywhere), in a target it may read but not write.
source "$(dirname "$0")/../as_nobody.sh"
if [[ -n $nobody_runs ]]; then
  target=$base/readonly
  mkdir "$target" "$target/Folder 002"
  chmod 555 "$target"
  "${as_user[@]}" "$cli" "Folder ###" 4 "$target" >"$base/out" 2>"$base/err"; status=$?
  check "read-only status" 1 "$status"
  check "read-only summary" "0 1 3" "$(summary "$base/out")"
  check "read-only error lines" 3 "$(grep -c ': Permission denied$' "$base/err")"
  check "read-only disk" 1 "$(folders "$target")"
fi

# A file named like the next folder.
target=$base/file
mkdir "$target" && touch "$target/Folder 003"
"$cli" "Folder ###" 5 "$target" >"$base/out" 2>"$base/err"; status=$?
check "file status" 1 "$status"
check "file summary" "4 0 1" "$(summary "$base/out")"
check "file error" "quirebatch-cli: error: $target/Folder 003: File exists" "$(cat "$base/err")"
check "file disk" 4 "$(folders "$target")"

# Names of 255 bytes fit; 256 do not.
target=$base/long
mkdir "$target"
"$cli" "$(printf 'a%.0s' {1..252})###" 3 "$target" >"$base/out" 2>/dev/null
check "255-byte names" "3 0 0" "$(summary "$base/out")"
"$cli" "$(printf 'b%.0s' {1..253})###" 3 "$target" >"$base/out" 2>"$base/err"; status=$?
check "256-byte status" 1 "$status"
check "256-byte summary" "0 0 3" "$(summary "$base/out")"
check "256-byte errors" 3 "$(grep -c ': File name too long$' "$base/err")"
check "long disk" 3 "$(folders "$target")"

# The target taken away in the middle of a run: every later folder fails and says why.
target=$base/moving
mkdir "$target"
"$cli" "M #######" 400000 "$target" >"$base/out" 2>"$base/err" &
pid=$!
sleep 0.3
mv "$target" "$base/moved"
wait "$pid"; status=$?
read -r created skipped failed <<<"$(summary "$base/out")"
check "moved status" 1 "$status"
check "moved created on disk" "$(folders "$base/moved")" "$created"
check "moved total" 400000 "$((created + skipped + failed))"
check "moved error lines" "$failed" "$(grep -c ': No such file or directory$' "$base/err")"
[[ "$created" -gt 0 && "$failed" -gt 0 ]] || fail "moved: the move did not land mid-run ($created created)"

exit $((failures > 0))
