#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages, as root).
#
# Required: what the 64-bit suite and the run command need. A required
# package that cannot be installed fails the script, which names it.
# Optional: the 32-bit Wine (wine32 and the i386 architecture), tried only
# where the host runs 32-bit code; without it the 32-bit suite is skipped and
# the run command uses the 64-bit tool.
# A package index that fails to download is reported, tried once more and
# then passed over: what the other indexes offer is still installed.
# A second run on a machine that has everything does nothing and asks no
# network.
#   ML_WINE32=auto (default) | yes | no   try the 32-bit Wine where the host
#                                         runs 32-bit code, always, or never
#   ML_APT_RETRY_PAUSE=10                 seconds before an index is retried
set -uo pipefail

required=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth
  cmake python3 googletest doxygen pkg-config unzip)
wine32=wine32:i386
export DEBIAN_FRONTEND=noninteractive
apt_options=(-y -qq --no-install-recommends -o DPkg::Lock::Timeout=120)

# Prints the packages among the arguments that are not installed.
missing() {
  local p
  for p in "$@"; do
    case $(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null) in
      ii*) ;;
      *) echo "$p" ;;
    esac
  done
}

# A mirror may serve a broken index for days: one failed index must not stop
# the packages that the others offer.
update_indexes() {
  apt-get update -qq && return 0
  echo "apt-get update failed (exit $?); trying again in ${ML_APT_RETRY_PAUSE:-10} s."
  sleep "${ML_APT_RETRY_PAUSE:-10}"
  apt-get update -qq && return 0
  echo "apt-get update failed again (exit $?); going on with the package indexes that did download."
}

# True where the kernel runs 32-bit x86 programs: a 93-byte i386 program that
# only exits is run, not guessed (some kernels refuse it: Exec format error).
host_runs_32bit() {
  case $(uname -m) in x86_64 | i?86) ;; *) return 1 ;; esac
  local probe
  probe=$(mktemp) || return 1
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >"$probe"
  printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$probe"
  printf '\270\1\0\0\0\61\333\315\200' >>"$probe" # exit(0)
  chmod +x "$probe"
  local rc=0
  timeout 10 "$probe" </dev/null >/dev/null 2>&1 || rc=1
  rm -f "$probe"
  return $rc
}

want_wine32() {
  case ${ML_WINE32:-auto} in
    yes) [ -n "$(missing "$wine32")" ] ;;
    no) return 1 ;;
    *) [ -n "$(missing "$wine32")" ] && host_runs_32bit ;;
  esac
}

mapfile -t need < <(missing "${required[@]}")
try32=
want_wine32 && try32=1
[ ${#need[@]} -eq 0 ] && [ -z "$try32" ] && exit 0

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  update_indexes
  if ! apt-get install "${apt_options[@]}" "${need[@]}" >/dev/null; then
    # apt installs nothing when one package fails: take them one by one.
    for p in "${need[@]}"; do
      apt-get install "${apt_options[@]}" "$p" >/dev/null || true
    done
  fi
  mapfile -t still < <(missing "${need[@]}")
  if [ ${#still[@]} -gt 0 ]; then
    echo "These required packages could not be installed: ${still[*]}" >&2
    exit 1
  fi
fi

if [ -n "$try32" ]; then
  added=
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386 && added=1
  fi
  update_indexes
  if ! timeout 900 apt-get install "${apt_options[@]}" "$wine32" >/dev/null 2>&1; then
    echo "The 32-bit Wine (wine32) could not be installed: the 32-bit suite will be skipped and the run command uses the 64-bit tool."
    # Leave no architecture behind whose index may keep failing.
    [ -n "$added" ] && dpkg --remove-architecture i386 >/dev/null 2>&1
  fi
fi
exit 0
