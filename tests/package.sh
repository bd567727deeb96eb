#!/usr/bin/env bash
# What a school installs: the files `cmake --install` lays out, their
# validity, and the Debian package. Usage: package.sh BUILD
set -u
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=org.ionvale.Ionvale

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/usr" >/dev/null || fail "cmake --install failed"

expected_files="usr/bin/IONVAL~1
usr/share/applications/$id.desktop
usr/share/doc/ionvale/changelog.gz
usr/share/doc/ionvale/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/man/man1/IONVAL~1.1.gz
usr/share/metainfo/$id.metainfo.xml"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$expected_files" ] || fail "installed files differ:
$(diff <(echo "$expected_files") <(echo "$installed"))"

desktop="$prefix/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" | grep -v '^.*: hint:' | grep . && fail "desktop-file-validate reports problems"
grep -qx 'Name=Ionvale' "$desktop" || fail "the desktop entry's Name is not Ionvale"
grep -qx 'Exec="IONVAL~1"' "$desktop" || fail "the desktop entry does not start IONVAL~1"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -qx 'Categories=Education;Science;Chemistry;' "$desktop" || fail "the desktop entry's categories are wrong"
grep -qx 'StartupWMClass=IONVAL~1' "$desktop" || fail "the desktop entry does not match the window's WM_CLASS"
grep -q '^Terminal=false' "$desktop" || fail "the desktop entry asks for a terminal"

metainfo="$prefix/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate: $(appstreamcli validate --no-net "$metainfo")"
grep -q '<release version="1.00"' "$metainfo" || fail "the metainfo does not name release 1.00"

for size in 16 32 48 128; do
    geometry=$(identify -format '%wx%h' "$prefix/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null)
    [ "$geometry" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $geometry"
done
# Scaled without blur: the larger icon has no colour the icon itself lacks.
colours() { convert "$1" -alpha off -unique-colors txt:- | tail -n +2 | awk '{print $3}' | sort -u; }
extra=$(comm -13 <(colours "$prefix/usr/share/icons/hicolor/32x32/apps/$id.png") \
                 <(colours "$prefix/usr/share/icons/hicolor/48x48/apps/$id.png"))
[ -z "$extra" ] || fail "the 48x48 icon has blended colours: $extra"

# The Debian package.
(cd "$build" && cpack >/dev/null) || fail "cpack failed"
deb="$build/ionvale_1.00_amd64.deb"
if [ -f "$deb" ]; then
    packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort)
    [ "$packaged" = "$expected_files" ] || fail "packaged files differ:
$(diff <(echo "$expected_files") <(echo "$packaged"))"
    depends=$(dpkg-deb -f "$deb" Depends)
    case "$depends" in
        *libqt6widgets6*libstdc++6*) ;;
        *) fail "the package's dependencies were not computed: $depends" ;;
    esac
    [ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || fail "the package's version is not 1.00"
    lintian_report=$(lintian --fail-on error "$deb" 2>/dev/null) || fail "lintian reports errors: $lintian_report"
else
    fail "no package $deb"
fi

# The Windows version resource, where the MinGW binutils are installed.
if command -v x86_64-w64-mingw32-windres >/dev/null; then
    x86_64-w64-mingw32-windres --preprocessor=cpp -i "$build/ionvale.rc" -O coff -o "$prefix/ionvale.res" \
        || fail "windres cannot compile the version resource"
    for value in '"ProductName", "IONVAL~1"' '"InternalName", "IONVAL~1"' '"OriginalFilename", "IONVAL~1.exe"' \
                 '"FileVersion", "1.00"' '"ProductVersion", "1.00"' 'FILEVERSION 1,0,0,0'; do
        grep -qF "$value" "$build/ionvale.rc" || fail "the version resource lacks $value"
    done
else
    echo "windres not installed: the version resource was not compiled"
fi

[ "$failures" -eq 0 ] && echo "packaging: all passed"
exit "$failures"
