# Sourced by the scripts: a Wine prefix inside the build tree, a pinned
# locale, and a persistent server so each test program starts quickly.
# Usage: . scripts/wine-env.sh BUILD_DIR [i686|x86_64]
# The 64-bit target gets a 64-bit prefix run by wine64, which works on hosts
# that cannot execute 32-bit code at all.

ml_build_dir=$(cd "$1" && pwd)
ml_target=${2:-i686}
export WINEPREFIX="$ml_build_dir/wineprefix"
if [ "$ml_target" = x86_64 ]; then
  export WINEARCH=win64
  ml_wine=/usr/lib/wine/wine64
else
  export WINEARCH=win32
  ml_wine=/usr/lib/wine/wine
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# C.UTF-8 gives Wine the ANSI code page 1252 and UTF-8 file names on disk.
export LC_ALL=C.UTF-8
export LANG=C.UTF-8

# True where the host executes 32-bit code: tried, not guessed. Some hosts
# refuse the 32-bit loader ("Exec format error"); under an emulator it may
# start but never finish, hence the time limit.
ml_host_runs_32bit() {
  timeout 30 /usr/lib/wine/wine --version </dev/null >/dev/null 2>&1
}

# Prepares the prefix once (within ML_WINEBOOT_TIMEOUT seconds) and starts
# the persistent server; fails when the prefix cannot be made.
ml_wine_start() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the $ml_target Wine prefix in $WINEPREFIX"
    timeout "${ML_WINEBOOT_TIMEOUT:-600}" "$ml_wine" wineboot --init </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    [ -f "$WINEPREFIX/system.reg" ] || return 1
  fi
  # Detached from every pipe: services started inside a pipeline hold it open.
  # wineserver -p fails when the prefix's server already runs; that is fine.
  (wineserver -p; "$ml_wine" cmd /c exit) </dev/null >/dev/null 2>&1 || true
}

ml_wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}

# A virtual display for the programs that open windows; sets DISPLAY.
ml_xvfb_start() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  ml_xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

ml_xvfb_stop() {
  [ -n "${ml_xvfb_pid:-}" ] && kill "$ml_xvfb_pid" 2>/dev/null || true
  ml_xvfb_pid=
}
