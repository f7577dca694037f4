#!/bin/sh
# Makes the Debian package from a build folder, as the README says, and
# checks that it holds each FILE (below /usr; empty ones are skipped) and
# depends on each PACKAGE.
# Usage: deb_contents.sh CPACK BUILD_DIR FILE... -- PACKAGE...
set -eu
cpack=$1
build=$(cd "$2" && pwd)
shift 2
out=$(mktemp -d "$build/deb-contents.XXXXXX")
trap 'rm -rf "$out"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$out" >"$out/log" 2>&1) || { cat "$out/log"; exit 1; }
deb=$(ls "$out"/*.deb)
dpkg -c "$deb" | awk '{ print $6 }' >"$out/files"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }' >"$out/depends"

status=0 prefix=./usr/ list=$out/files
for arg in "$@"; do
    if [ "$arg" = -- ]; then prefix= list=$out/depends; continue; fi
    [ -n "$arg" ] || continue
    grep -qxF "$prefix$arg" "$list" || { echo "not in the package: $prefix$arg"; status=1; }
done
[ "$status" -eq 0 ] || { dpkg -c "$deb"; dpkg-deb -f "$deb" Depends; }
exit "$status"
