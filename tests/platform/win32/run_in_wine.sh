#!/usr/bin/env bash
# How CTest starts a cross-built test program through Wine.
# Usage: run_in_wine.sh LOG WINE PROGRAM [ARGUMENTS...]
# A Wine that ends with a failure before the program's main ran (nothing printed) is started once
# more: that is Wine failing to start (seen as a test "failing" in 0.02 s, without a word), not the
# test failing. Each such start is written to LOG, which scripts/test-win32 prints, so that it is
# never hidden.
set -uo pipefail
log=$1
wine=$2
shift 2
for attempt in 1 2; do
  out=$(mktemp)
  started=$EPOCHREALTIME
  "$wine" "$@" > >(tee "$out") 2> >(tee -a "$out" >&2)
  status=$?
  wait  # for the tees
  said=$(wc -c <"$out")
  rm -f "$out"
  [[ $status -eq 0 || $said -gt 0 || $attempt -eq 2 ]] && exit $status
  printf '%s: status %d, nothing printed, %s after its start; started again: %s\n' \
    "$(date -u +%T)" "$status" "$(((${EPOCHREALTIME/./} - ${started/./}) / 1000)) ms" "$*" >>"$log"
done
