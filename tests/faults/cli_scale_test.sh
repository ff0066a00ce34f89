#!/usr/bin/env bash
# A million folders on tmpfs against 100,000. From the program's side nothing grows: its peak
# memory stays flat (within what the journal's hand-over holds at most), and the instructions it
# runs per folder stay within 1.2 times from 20,000 to 200,000 folders (counted by callgrind, exact
# and repeatable, so a tenfold step shows any growth; a million under callgrind costs half a
# minute more and shows nothing new). The
# wall-clock times are printed as well; the kernel's own cost per folder grows as a folder fills,
# which is not ours to change.
set -u
cli=$(readlink -f "$1")
script=$(readlink -f "$0")

# As root, a private tmpfs that is dropped whole at the end: removing a million folders one by one
# costs more than making them.
if [[ -z "${QUIRE_SCALE_INNER:-}" && $(id -u) -eq 0 ]] && unshare --mount true 2>/dev/null; then
  exec env QUIRE_SCALE_INNER=1 unshare --mount --propagation private "$script" "$@"
fi
if [[ -n "${QUIRE_SCALE_INNER:-}" ]]; then
  base=$(mktemp -d)
  mount -t tmpfs -o size=8g quire-scale "$base" || exit 1
  trap 'umount "$base"; rmdir "$base"' EXIT
elif [[ -d /dev/shm ]]; then
  base=$(mktemp -d -p /dev/shm)
  trap 'rm -rf "$base"' EXIT
else
  echo "no tmpfs: skipped"
  exit 0
fi

native() {  # COUNT FOLDER: prints "seconds peak-KiB" of one run into a new folder
  mkdir "$base/$2"
  /usr/bin/time -f '%e %M' -o "$base/time" "$cli" "S #######" "$1" "$base/$2" --quiet || exit 1
  cat "$base/time"
}
instructions() {  # COUNT FOLDER: the instructions the program runs for one run into a new folder
  mkdir "$base/$2"
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$cli" "S #######" "$1" "$base/$2" \
    --quiet 2>&1 | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

read -r small_s small_kib <<<"$(native 100000 small)"
read -r large_s large_kib <<<"$(native 1000000 large)"
small_ir=$(instructions 20000 small-counted)
large_ir=$(instructions 200000 large-counted)
[[ $(find "$base/large" -mindepth 1 -maxdepth 1 | wc -l) -eq 1000000 ]] || { echo "FAIL: not a million folders"; exit 1; }

awk -v s="$small_s" -v l="$large_s" -v si="$small_ir" -v li="$large_ir" -v sk="$small_kib" -v lk="$large_kib" 'BEGIN {
  printf "  100,000: %5.2f us/folder, peak %d KiB\n", s * 1e6 / 1e5, sk
  printf "1,000,000: %5.2f us/folder, peak %d KiB\n", l * 1e6 / 1e6, lk
  printf "   20,000: %4.0f instructions/folder\n  200,000: %4.0f instructions/folder\n", si / 2e4, li / 2e5
  ok = 1
  if (li / 2e5 > 1.2 * si / 2e4) { print "FAIL: the program works harder per folder as the count grows"; ok = 0 }
  # The journal holds at most two batches of paths on their way to its thread (about 1 MiB),
  # whose peak depends on how far a busy machine lets that thread fall behind; a cost per folder
  # would add megabytes over the 900,000 more.
  if (lk - sk > 2048) { print "FAIL: memory grew with the count"; ok = 0 }
  exit ok ? 0 : 1
}'
