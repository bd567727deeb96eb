#!/usr/bin/env bash
# The program on Wayland: under a headless Weston its window comes up, with
# its title and the desktop file name that compositors use to find its icon,
# and nothing is said on stderr. Usage: wayland.sh PROGRAM
set -u
program=$1
skip=77

if ! command -v weston >/dev/null; then
    echo "SKIP: weston is not installed"
    exit $skip
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=ionvale-test-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
    echo "SKIP: weston could not start here:"
    cat "$runtime/weston.log"
    exit $skip
fi

# Protocol lines (WAYLAND_DEBUG) start with a time stamp in brackets; any
# other line on stderr is a warning.
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client timeout 3 "$program" 2>"$runtime/stderr" >/dev/null
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
grep -q 'set_title("Ionvale,1st Edition")' "$runtime/stderr" || fail "no window titled Ionvale,1st Edition"
grep -q 'set_app_id("org.ionvale.Ionvale")' "$runtime/stderr" || fail "the window does not name its desktop file"
grep -q 'ack_configure' "$runtime/stderr" && grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$runtime/stderr" \
    || fail "the window was never configured and drawn"
warnings=$(grep -v '^\[' "$runtime/stderr")
[ -z "$warnings" ] || fail "the program said on stderr: $warnings"

[ "$failures" -eq 0 ] && echo "wayland: all passed"
exit "$failures"
