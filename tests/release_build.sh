#!/usr/bin/env bash
# Makes a release build, as a distribution would, for the tests that check
# what is installed and packaged. Usage: release_build.sh SOURCE BUILD
set -eu
source=$1
build=$2
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" >/dev/null
echo "release build ready in $build"
