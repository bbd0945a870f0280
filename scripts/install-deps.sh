#!/usr/bin/env bash
# Installs what the build and the tests need, once: a second run does nothing.
set -euo pipefail

need=()
command -v i686-w64-mingw32-g++-posix >/dev/null   || need+=(g++-mingw-w64-i686-posix)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix)
command -v wine >/dev/null                         || need+=(wine)
[ -x /usr/lib/wine/wine64 ]                        || need+=(wine64)
dpkg -s wine32:i386 >/dev/null 2>&1             || need+=(wine32)
command -v Xvfb >/dev/null                         || need+=(xvfb)
command -v xauth >/dev/null                        || need+=(xauth)
command -v cmake >/dev/null                        || need+=(cmake)
command -v python3 >/dev/null                      || need+=(python3)
[ -f /usr/src/googletest/CMakeLists.txt ]          || need+=(googletest)
command -v doxygen >/dev/null                      || need+=(doxygen)
command -v pkg-config >/dev/null                   || need+=(pkg-config)
command -v unzip >/dev/null                        || need+=(unzip)

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
