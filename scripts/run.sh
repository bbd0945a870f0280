#!/usr/bin/env bash
# Builds the settings tool and opens its dialog under Wine.
# With a display ($DISPLAY set) the dialog opens there and the script waits
# until it is closed. Without one it opens on a virtual display: a picture of
# the dialog is saved, Cancel is pressed, and the script prints where the
# picture and the configuration file are.
# The 32-bit tool (the product as shipped) runs where the host executes
# 32-bit code; elsewhere the 64-bit build runs.
# Usage: scripts/run.sh   (BUILD_DIR overrides ./build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
. "$root/scripts/wine-env.sh" "$root" x86_64 # for the host probe only
if ml_host_runs_32bit; then
  target=i686
  echo "Running the 32-bit settings tool."
else
  target=x86_64
  echo "The 32-bit Wine does not run on this host: running the 64-bit build of the settings tool."
fi
build="$build/$target"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$target.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)" --target TapeModeSettings dialog_snap
build=$(cd "$build" && pwd)
tool="$build/app/TapeModeSettings.exe"
snap="$build/tests/e2e/dialog_snap.exe"

. "$root/scripts/wine-env.sh" "$build" "$target"

# Wine's session takes the display it finds when its server starts, so the
# virtual display comes first and no server of an earlier session is kept.
headless=
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  ml_wine_stop
  ml_xvfb_start
  trap 'ml_xvfb_stop; ml_wine_stop' EXIT
else
  trap 'ml_wine_stop' EXIT
fi
ml_wine_start

if [ -z "$headless" ]; then
  echo "Opening the settings dialog on $DISPLAY; close it to end."
  "$ml_wine" "$tool" </dev/null
  exit 0
fi

"$ml_wine" "$tool" </dev/null >/dev/null 2>&1 &
tool_pid=$!

png="$build/run/TapeModeSettings.png"
mkdir -p "$(dirname "$png")"
rm -f "$png"
rc=0
config=$("$ml_wine" "$snap" "Tape Mode settings" "$png" --cancel </dev/null | tr -d '\r' | tail -n 1) || rc=$?
if [ "$rc" -ne 0 ]; then
  echo "The settings dialog could not be captured (dialog_snap exit code $rc)." >&2
  exit 1
fi
wait "$tool_pid" || true

echo "Screenshot of the dialog: $png"
linux=$("$ml_wine" winepath -u "$config" 2>/dev/null | tr -d '\r') && linux=$(readlink -f "$linux" || echo "$linux")
echo "Configuration file: ${linux:-$config}"
