#!/usr/bin/env bash
# Builds everything for 64-bit and 32-bit Windows and runs the whole test
# suite of each target under Wine: the 64-bit suite on every host, the
# 32-bit one wherever the host executes 32-bit code.
# Usage: scripts/test.sh [ctest arguments...]
#   BUILD_DIR overrides ./build (each target builds in BUILD_DIR/<target>).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
. "$root/scripts/wine-env.sh" "$root" x86_64 # for the host probe only

targets=(x86_64)
skipped=
if ml_host_runs_32bit; then
  targets+=(i686)
elif [ ! -x /usr/lib/wine/wine ]; then
  skipped="the 32-bit Wine (wine32) is not installed on this host"
else
  skipped="this host cannot execute 32-bit code (/usr/lib/wine/wine does not start)"
fi

# Both targets are built everywhere: a 32-bit build that fails is caught
# even where its suite cannot run.
for target in x86_64 i686; do
  cmake -S "$root" -B "$build/$target" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$target.cmake" >/dev/null
  cmake --build "$build/$target" -j"$(nproc)"
done

# Wine's session takes the display it finds when its server starts: the
# virtual display comes first, and no server of an earlier run is kept.
ml_xvfb_start
trap 'ml_xvfb_stop; ml_wine_stop' EXIT

failed=()
summary=()
passed_total=0
failed_total=0
for target in "${targets[@]}"; do
  . "$root/scripts/wine-env.sh" "$build/$target" "$target"
  ml_wine_stop
  echo
  echo "==================== $target suite: Windows $([ "$target" = i686 ] && echo 32 || echo 64)-bit under Wine ($WINEARCH prefix) ===================="
  if ! ML_WINEBOOT_TIMEOUT=$([ "$target" = i686 ] && echo 300 || echo 600) ml_wine_start; then
    if [ "$target" = i686 ]; then
      skipped="its Wine prefix could not be made on this host"
      summary+=("$target: skipped")
    else
      failed+=("$target")
      summary+=("$target: FAILED (no Wine prefix)")
    fi
    continue
  fi
  log="$build/$target/ctest-output.txt"
  rc=0
  ctest --test-dir "$build/$target" --output-on-failure --timeout 300 "$@" 2>&1 | tee "$log" || rc=$?
  ml_wine_stop
  # "N% tests passed, F tests failed out of T"
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -n "$line" ]; then
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed_total=$((passed_total + t - f))
    failed_total=$((failed_total + f))
  fi
  if [ "$rc" -ne 0 ]; then
    failed+=("$target")
    summary+=("$target: FAILED")
  else
    summary+=("$target: passed")
  fi
done

echo
echo "==================== Summary ===================="
printf '%s\n' "${summary[@]}"
[ -n "$skipped" ] && echo "The 32-bit (i686) suite was skipped: $skipped."
echo "ctest: $passed_total passed, $failed_total failed"
[ ${#failed[@]} -eq 0 ]
