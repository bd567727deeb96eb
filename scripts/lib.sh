# Shared by scripts/run and scripts/test: installing what is missing, and a
# virtual display for machines that have none.

# Debian packages to build the program.
build_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core)
# ...to show it on a virtual display, look at it and drive it.
display_packages=(xvfb openbox x11-utils xdotool imagemagick)
# ...to measure it against an Xlib floor in a desktop session.
bench_packages=(libx11-dev libxtst-dev libxdamage-dev dbus at-spi2-core python3)
# ...and for the tests, besides those two: accessibility to drive the
# program end to end, strace, Wayland, and checking and building the package.
test_packages=(python3-gi gir1.2-atspi-2.0 strace weston qt6-wayland
               file dpkg-dev lintian desktop-file-utils appstream binutils-mingw-w64-x86-64)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named Debian packages that are not installed yet.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            missing+=("$package")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Starts Xvfb and openbox on a free display and points DISPLAY at it; both
# are stopped when the calling shell exits.
start_virtual_display() {
    local number_file tries=0
    number_file=$(mktemp)
    # Xvfb picks a free display itself and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 "${IONVALE_SCREEN:-1280x800x24}" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    virtual_display_pids=($!)
    trap 'kill "${virtual_display_pids[@]}" 2>/dev/null || true' EXIT
    until [ -s "$number_file" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 200 ]; then echo "Xvfb did not start" >&2; return 1; fi
        sleep 0.05
    done
    export DISPLAY=":$(head -n 1 "$number_file")"
    rm -f "$number_file"
    openbox >/dev/null 2>&1 &
    virtual_display_pids+=($!)
    # A window mapped while the window manager still starts can be lost.
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        if [ "$tries" -gt 200 ]; then echo "openbox did not start on $DISPLAY" >&2; return 1; fi
        sleep 0.05
    done
}
