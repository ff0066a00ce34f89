# Sourced by the script tests: `fail WHY` and `check NAME EXPECTED ACTUAL` count what failed, and
# the test ends with `exit $((failures > 0))`.
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() { [[ "$2" == "$3" ]] || fail "$1: expected [$2] got [$3]"; }
