#!/usr/bin/env bash
# The README's examples of the command-line tool, typed in order as a new user would, in a home
# folder where nothing was made before: each one works. Usage: cli_readme_examples_test.sh README
# PROGRAM
set -u
readme=$(readlink -f "$1")
cli=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/bin"
ln -s "$cli" "$work/bin/quirebatch-cli"
# The shell block of the section, without the usage lines and the comments at the lines' ends.
mapfile -t examples < <(sed -n '/^## The command-line tool/,/^## /p' "$readme" |
  sed -n '/^```sh$/,/^```$/p' | grep -v '^```' | grep -v '\[OPTION\]' | sed 's/  \+# .*$//')
failures=0
[ ${#examples[@]} -ge 4 ] || { echo "FAIL: the README's examples were not found"; exit 1; }
for example in "${examples[@]}"; do
  out=$(cd "$work/home" && env -i HOME="$work/home" PATH="$work/bin:/usr/bin:/bin" \
        bash -c "$example" 2>&1); status=$?
  if [ $status -ne 0 ]; then
    echo "FAIL [$example]: status $status: $out"
    failures=$((failures + 1))
  fi
done
[ -d "$work/home/Jobs/Invoice 12" ] || { echo "FAIL: no ~/Jobs/Invoice 12"; failures=$((failures + 1)); }
[ -d "$work/home/Clients/Zenith/Invoice 01" ] ||
  { echo "FAIL: no ~/Clients/Zenith/Invoice 01"; failures=$((failures + 1)); }
exit $((failures > 0))
