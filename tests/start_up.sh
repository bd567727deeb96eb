#!/usr/bin/env bash
# The program's start, as a shell sees it: it ignores its command line, and
# where no display can be reached it says so in one line and exits with 1.
set -u
program=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# No display at all, and a display that is not there.
for display in "" ":9999"; do
    err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 1 ] || fail "DISPLAY='$display': exit status $status, expected 1"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "DISPLAY='$display': expected one line on stderr, got: $err"
    case "$err" in
        *"no graphical display was found"*) ;;
        *) fail "DISPLAY='$display': stderr does not say no display was found: $err" ;;
    esac
done

# Options the toolkit would act on change nothing: were -platform seen, the
# program could not start at all.
QT_QPA_PLATFORM=offscreen "$program" -platform nosuchplatform -reverse -style nosuchstyle >/dev/null 2>&1 &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
else
    wait "$pid"
    fail "with options on its command line the program ended (status $?) instead of running"
fi

if [ "$failures" -eq 0 ]; then echo "start-up: all passed"; fi
exit "$failures"
