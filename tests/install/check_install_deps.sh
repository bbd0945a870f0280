#!/usr/bin/env bash
# Runs scripts/install-deps.sh against a stand-in apt-get, dpkg and
# dpkg-query that fail as a broken mirror does: every index update exits 100
# and the 32-bit Wine cannot be installed. No real package manager is touched.
# Usage: check_install_deps.sh path/to/install-deps.sh
set -u
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STATE/calls"
[ "$1" = update ] && { echo "E: File has unexpected size. Mirror sync in progress?" >&2; exit 100; }
shift
pkgs=()
for a in "$@"; do case $a in -o) ;; -*|DPkg::*) ;; *) pkgs+=("$a") ;; esac; done
for p in "${pkgs[@]}"; do grep -qx "$p" "$STATE/broken" && { echo "E: Unable to locate package $p" >&2; exit 100; }; done
printf '%s\n' "${pkgs[@]}" >>"$STATE/installed"
STUB
cat >"$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
grep -qx "${@: -1}" "$STATE/installed" && printf 'ii ' || exit 1
STUB
cat >"$work/bin/dpkg" <<'STUB'
#!/usr/bin/env bash
echo "dpkg $*" >>"$STATE/calls"
case $1 in
  --print-foreign-architectures) cat "$STATE/archs" ;;
  --add-architecture) echo "$2" >>"$STATE/archs" ;;
  --remove-architecture) sed -i "/^$2\$/d" "$STATE/archs" ;;
esac
STUB
chmod +x "$work/bin"/*
export PATH="$work/bin:$PATH" ML_APT_RETRY_PAUSE=0 ML_WINE32=yes
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# case NAME BROKEN-PACKAGES... : a fresh machine; sets rc and out.
case_() {
  export STATE="$work/$1"
  mkdir "$STATE"
  : >"$STATE/installed"; : >"$STATE/archs"; : >"$STATE/calls"
  shift
  printf '%s\n' wine32:i386 "$@" >"$STATE/broken"
  out=$(bash "$script" 2>&1)
  rc=$?
}

case_ mirror
[ $rc -eq 0 ] || fail "a broken index and no wine32 failed the install ($rc): $out"
for p in g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth cmake googletest doxygen pkg-config unzip; do
  grep -qx "$p" "$STATE/installed" || fail "required $p was not installed"
done
grep -q "32-bit Wine (wine32) could not be installed" <<<"$out" || fail "no line about the 32-bit Wine: $out"
[ "$(grep -c 'apt-get update' "$STATE/calls")" -eq 4 ] || fail "each failed index update is tried twice: $(cat "$STATE/calls")"
[ -s "$STATE/archs" ] && fail "the i386 architecture was left behind"
: >"$STATE/calls"
ML_WINE32=no bash "$script" >/dev/null 2>&1 || fail "a second run failed"
[ -s "$STATE/calls" ] && fail "a second run with everything asked the package manager: $(cat "$STATE/calls")"

case_ required doxygen
[ $rc -ne 0 ] || fail "a required package that cannot be installed did not fail the install"
grep -q "could not be installed: doxygen" <<<"$out" || fail "the failing package is not named: $out"
grep -qx cmake "$STATE/installed" || fail "one failing package stopped the others"

[ $failures -eq 0 ] && echo "install-deps: all cases passed"
exit $((failures > 0))
