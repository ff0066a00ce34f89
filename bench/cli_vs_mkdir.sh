#!/usr/bin/env bash
# quirebatch-cli against the shell's own mkdir, both creating 100,000 folders in an empty folder on
# tmpfs, then the CLI's peak memory at growing counts (it must stay flat).
# Usage: bench/cli_vs_mkdir.sh [path/to/quirebatch-cli]   (default: build/bench/src/cli/quirebatch-cli)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/src/cli/quirebatch-cli}
if [[ ! -x "$cli" ]]; then
  cmake --preset bench -S "$here" >/dev/null && cmake --build --preset bench --target quirebatch-cli >/dev/null
fi
base=$(mktemp -d -p /dev/shm quire-bench-XXXXXX)
trap 'rm -rf "$base"' EXIT
count=100000

# The same folder names for both; "-d \n" keeps each name whole. The plain "| xargs mkdir" splits
# "Folder 000001" at the blank and makes twice the calls, so it is timed as well, for reference.
hyperfine --warmup 1 --runs 10 --export-markdown "$base/result.md" \
  --prepare "rm -rf '$base/t' && mkdir '$base/t'" \
  -n quirebatch-cli "'$cli' 'Folder ######' $count '$base/t' --quiet" \
  -n "xargs -d '\\n' mkdir" "cd '$base/t' && seq -f 'Folder %06g' 1 $count | xargs -d '\\n' mkdir" \
  -n "xargs mkdir" "cd '$base/t' && seq -f 'Folder %06g' 1 $count | xargs mkdir 2>/dev/null || true"
cat "$base/result.md"

echo
echo "peak memory of quirebatch-cli (KiB):"
for n in 1000 10000 100000 1000000; do
  rm -rf "$base/m" && mkdir "$base/m"
  printf '%8d folders: ' "$n"
  /usr/bin/time -f '%M' "$cli" 'M #######' "$n" "$base/m" --quiet 2>&1 >/dev/null | tail -1
done
