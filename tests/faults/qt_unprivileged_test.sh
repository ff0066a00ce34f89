#!/usr/bin/env bash
# The Qt fault tests that only an ordinary user meets (a read-only target, a configuration folder
# that refuses files): run as nobody when CTest runs as root, directly otherwise.
# Usage: qt_unprivileged_test.sh QT_FAULTS_TESTS
set -u
tests=$(readlink -f "$1")
filter='QtUnprivileged.*:QtUnwritableSettings.*'
source "$(dirname "$0")/../as_nobody.sh"
[[ -n $nobody_runs ]] || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ ${#as_user[@]} -gt 0 ]]; then
    # A copy nobody may run wherever the build tree lies, and a home and temporary folder of its own.
    cp "$tests" "$work/qt_faults_tests"
    tests=$work/qt_faults_tests
    chown -R 65534:65534 "$work"
    chmod 755 "$work"
fi
HOME=$work TMPDIR=$work "${as_user[@]}" "$tests" --gtest_filter="$filter" >"$work/out" 2>&1
status=$?
cat "$work/out"
[[ $status -eq 0 ]] || exit 1
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\.$/\1/p' "$work/out")
if grep -q '^\[  SKIPPED \]' "$work/out" || [[ -z "$passed" || "$passed" -lt 3 ]]; then
    echo "FAIL: the tests did not run as an ordinary user"
    exit 1
fi
