#!/usr/bin/env bash
# A dry run of a list keeps a fingerprint of each folder it foresees, not its path: at most 22 bytes
# a folder over the peak of a list of one. 2,097,153 lines is just past a point where a table that
# grows whole would hold its old and its new room at once.
set -u
cli=$(readlink -f "$1")
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
mkdir "$base/t"

peak_kib() {  # LINES: the peak KiB of a dry run of a list of LINES names
  seq -f 'Listed %.0f' "$1" >"$base/list"
  /usr/bin/time -f '%M' -o "$base/time" "$cli" --dry-run --quiet --names "$base/list" "$base/t" \
    >/dev/null || exit 1
  cat "$base/time"
}

lines=2097153
one=$(peak_kib 1)
many=$(peak_kib "$lines")
awk -v one="$one" -v many="$many" -v lines="$lines" 'BEGIN {
  per = (many - one) * 1024 / lines
  printf "%d lines: peak %d KiB, one line: %d KiB, %.1f bytes a folder\n", lines, many, one, per
  if (per > 22) { print "FAIL: more than 22 bytes a folder"; exit 1 }
}'
