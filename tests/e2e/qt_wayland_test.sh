#!/usr/bin/env bash
# The Linux program's Wayland tests on weston's headless back end: a compositor of our own on a
# socket of our own, torn down afterwards. Skipped when weston or Qt's Wayland plugin is missing.
set -u
tests=$(readlink -f "$1")
command -v weston >/dev/null || { echo "SKIP: weston is missing"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is missing"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=quire-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --width=1280 --height=800 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [ -S "$runtime/$socket" ] && break; sleep 0.05; done
[ -S "$runtime/$socket" ] || { echo "FAIL: weston did not start"; cat "$runtime/weston.log"; exit 1; }

# An absolute socket path: the tests give themselves a runtime folder of their own.
WAYLAND_DISPLAY=$runtime/$socket QT_QPA_PLATFORM=wayland \
    "$tests" --gtest_filter='QtWayland.*'
