#!/bin/sh
# Makes the Debian package from a build folder, as the README says, checks
# that it holds each FILE (below /usr; empty ones are skipped) and depends
# on each PACKAGE, and runs lintian on it: no error, and no warning but the
# tags the README lists and explains (WARNING...).
# Usage: deb_contents.sh CPACK BUILD_DIR FILE... -- PACKAGE... -- WARNING...
set -eu
cpack=$1
build=$(cd "$2" && pwd)
shift 2
command -v lintian >/dev/null || { echo "lintian is not installed (bash .ci/deps installs it)"; exit 77; }
out=$(mktemp -d "$build/deb-contents.XXXXXX")
trap 'rm -rf "$out"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$out" >"$out/log" 2>&1) || { cat "$out/log"; exit 1; }
deb=$(ls "$out"/*.deb)
dpkg -c "$deb" | awk '{ print $6 }' >"$out/files"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }' >"$out/depends"

status=0 prefix=./usr/ list=$out/files accepted=
for arg in "$@"; do
    if [ "$arg" = -- ]; then
        if [ "$list" = "$out/files" ]; then prefix= list=$out/depends; else list=; fi
        continue
    fi
    [ -n "$arg" ] || continue
    if [ -z "$list" ]; then accepted="$accepted${accepted:+,}$arg"; continue; fi
    grep -qxF "$prefix$arg" "$list" || { echo "not in the package: $prefix$arg"; status=1; }
done
[ "$status" -eq 0 ] || { dpkg -c "$deb"; dpkg-deb -f "$deb" Depends; }

lintian --fail-on error,warning ${accepted:+--suppress-tags "$accepted"} "$deb" >"$out/lintian" 2>&1 ||
    { echo "lintian finds errors or warnings the README does not list:"; cat "$out/lintian"; status=1; }
exit "$status"
