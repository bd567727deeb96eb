#!/usr/bin/env bash
# Runs a command in a desktop session of its own: a private D-Bus session
# bus, Xvfb on a free display, the openbox window manager, and the
# accessibility bus, as a pupil's desktop has them.
# Usage: session.sh COMMAND [ARGUMENT...]
set -u
if [ -z "${IONVALE_IN_SESSION:-}" ]; then
    # A desktop session's private runtime folder, where the session's
    # sockets live.
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    IONVALE_IN_SESSION=1 dbus-run-session -- "$0" "$@" 2> >(grep -v -e 'dbus-daemon\[' -e 'SpiRegistry daemon' >&2)
    exit $?
fi
source "$(dirname "$0")/../../scripts/lib.sh"
start_virtual_display || exit 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
virtual_display_pids+=($!)
"$@"
