#!/usr/bin/env bash
# package_test.sh BUILD_DIR CPACK: makes the .deb in a temporary folder and reads its Depends.
# dpkg-shlibdeps names the libraries the programs link; libcurl, opened only when the update
# check runs, must be named beside them.
set -euo pipefail
build=$1
cpack=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null || fail "cpack failed"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
depends=$(dpkg-deb -f "${debs[0]}" Depends)
grep -qE '(^|, )libcurl4( |,|$)' <<<"$depends" || fail "Depends does not name libcurl4: $depends"
grep -qE '(^|, )libc6( |,|$)' <<<"$depends" || fail "Depends lacks the linked libraries: $depends"
echo "Depends: $depends"
