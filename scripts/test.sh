#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Wine.
# Usage: scripts/test.sh [ctest arguments...]   (BUILD_DIR overrides ./build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"

. "$root/scripts/wine-env.sh" "$build"
# Wine's session takes the display it finds when its server starts: the
# virtual display comes first, and no server of an earlier run is kept.
ml_wine_stop
ml_xvfb_start
trap 'ml_xvfb_stop; ml_wine_stop' EXIT
ml_wine_start

rc=0
ctest --test-dir "$build" --output-on-failure --timeout 300 "$@" || rc=$?
exit $rc
