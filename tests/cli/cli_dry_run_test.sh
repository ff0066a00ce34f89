#!/usr/bin/env bash
# The dry run and the real run side by side, as an unprivileged user, over a table of targets: the
# same error lines, summary and status, and the paths the dry run lists are the entries the real
# run then makes. As root it runs in a mount namespace of its own, for read-only file systems.
set -u
cli=$(readlink -f "$1")
script=$(readlink -f "$0")
if [[ -z "${QUIRE_DRY_RUN_INNER:-}" && $(id -u) -eq 0 ]] && unshare --mount true 2>/dev/null; then
  exec env QUIRE_DRY_RUN_INNER=1 unshare --mount --propagation private "$script" "$@"
fi
base=$(mktemp -d -p "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp)")
chmod 755 "$base"
trap 'umount "$base"/ro* 2>/dev/null; chmod -R u+rwx "$base" 2>/dev/null; rm -rf "$base"' EXIT
. "$(dirname "$0")/../checks.sh"

# Root passes every permission check: the runs are made as nobody, in folders it owns.
source "$(dirname "$0")/../as_nobody.sh"
owned() { mkdir "$1" && if [[ ${#as_user[@]} -gt 0 ]]; then chown 65534:65534 "$1"; fi; }
# The runs' journal where the user can write it, so that the error lines are the run's alone.
owned "$base/state" && export XDG_STATE_HOME=$base/state

# A read-only tmpfs holding "F 2", with the given mode; fails where mounting is not allowed.
read_only() {
  mkdir "$1" && mount -t tmpfs -o "size=1m,mode=$2" quire-dry-run "$1" 2>/dev/null &&
    mkdir "$1/F 2" && mount -o remount,ro "$1"
}

prepare() {  # ROW: makes $base/ROW as the row needs it
  local t=$base/$1
  case $1 in
    mixed)
      owned "$t" && mkdir "$t/F 2" "$t/F 6-dir" && touch "$t/F 3" && ln -s nowhere "$t/F 4" &&
        mkfifo "$t/F 5" && ln -s "F 6-dir" "$t/F 6" && ln -s "F 3" "$t/F 7" ;;
    unwritable) mkdir "$t" "$t/F 2" && chmod 555 "$t" ;;
    unsearchable) owned "$t" && chmod 666 "$t" ;;
    through-*)
      owned "$t" && touch "$t/file" && ln -s nowhere "$t/dangling" && ln -s loop "$t/loop" ;;
    trailing) owned "$t" && touch "$t/F 1" && mkdir "$t/F 2" && ln -s nowhere "$t/F 3" ;;
    long) owned "$t" ;;
    ro-open) read_only "$t" 1777 ;;
    ro-closed) read_only "$t" 755 ;;
  esac
}

# ROW|PATTERN|COUNT|a line the real run must print on stderr, to show the row tests its cause
while IFS='|' read -r row pattern count cause; do
  if [[ $row == un* && -z $nobody_runs ]]; then
    echo "SKIP $row: root may write and search there"
    continue
  fi
  if ! prepare "$row"; then
    echo "SKIP $row: cannot mount a read-only file system here"
    continue
  fi
  t=$base/$row
  before=$(find "$t" -mindepth 1 -maxdepth 1 | sort)
  "${as_user[@]}" "$cli" "$pattern" "$count" "$t" --dry-run >"$base/dry.out" 2>"$base/dry.err"
  dry_status=$?
  "${as_user[@]}" "$cli" "$pattern" "$count" "$t" >"$base/real.out" 2>"$base/real.err"
  real_status=$?
  made=$(comm -13 <(echo "$before") <(find "$t" -mindepth 1 -maxdepth 1 | sort))
  listed=$(head -n -1 "$base/dry.out" | sed 's:/*$::' | sort)

  [[ $dry_status == "$real_status" ]] || fail "$row: status $dry_status (dry run), $real_status"
  [[ $(tail -1 "$base/dry.out") == "$(cat "$base/real.out")" ]] ||
    fail "$row: summary [$(tail -1 "$base/dry.out")] (dry run), [$(cat "$base/real.out")]"
  diff <(cat "$base/dry.err") "$base/real.err" >/dev/null ||
    fail "$row: error lines differ:$(diff "$base/dry.err" "$base/real.err")"
  [[ $listed == "$made" ]] || fail "$row: listed [$listed], made [$made]"
  grep -qF -- "$cause" "$base/real.err" || fail "$row: no [$cause] in [$(cat "$base/real.err")]"
done <<TABLE
mixed|F #|8|F 7: File exists
unwritable|F #|3|F 3: Permission denied
unsearchable|F #|2|F 1: Permission denied
through-file|file/F #|2|F 2: Not a directory
through-dangling|dangling/F #|2|F 2: No such file or directory
through-loop|loop/F #|2|F 2: Too many levels of symbolic links
through-missing|missing/F #|2|F 2: No such file or directory
trailing|F #/|4|F 3/: File exists
long|$(printf 'n%.0s' {1..253})###|2|: File name too long
ro-open|F #|3|F 3: Read-only file system
ro-closed|F #|3|F 1: Read-only file system
TABLE

exit $((failures > 0))
