#!/usr/bin/env bash
# install_test.sh BUILD_DIR APP_ID SAMPLE_SOURCE: installs the build into a temporary DESTDIR and runs the
# installed tavra-cli from another folder, without --data-dir; then takes the data away and
# checks that the message names every folder looked in.
set -euo pipefail
build=$1
id=$2
want=$(tr -d "\r\n" <"$3/version.txt")
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/tavra-cli bin/tavra-data share/tavra/tavra.dll share/tavra/tavra.sdf \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
  share/icons/hicolor/scalable/apps/$id.svg \
  share/man/man1/tavra.1.gz share/man/man1/tavra-cli.1.gz share/man/man1/tavra-data.1.gz; do
  [ -f "$root/$f" ] || fail "$f is not installed"
done
[ -e "$root/bin/tavra.dll" ] && fail "data files lie in bin/"
for page in tavra tavra-cli tavra-data; do
  gzip -dc "$root/share/man/man1/$page.1.gz" | grep -q '^\.TH ' || fail "$page.1.gz is no man page"
done

# The PNGs are as wide and high as their folders say (IHDR width and height, big-endian).
for size in 48 256; do
  read -r w h < <(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/${size}x$size/apps/$id.png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w $h" = "$size $size" ] || fail "the ${size}px icon is $w x $h"
done

cd /
got=$("$root/bin/tavra-cli" version) || fail "installed tavra-cli version: status $?"
[ "$got" = "$want" ] || fail "version $got, expected $want"
"$root/bin/tavra-cli" --format tsv station 北京 | tail -1 | grep -q '^共:[1-9]' ||
  fail "installed tavra-cli answers no station query"

rm "$root/share/tavra/tavra.sdf"
set +e
err=$("$root/bin/tavra-cli" version 2>&1 >/dev/null)
status=$?
set -e
[ $status -eq 2 ] || fail "missing data: status $status"
grep -q "^tavra.sdf: " <<<"$err" && grep -qF "$root/bin/" <<<"$err" &&
  grep -qF "$root/share/tavra/" <<<"$err" ||
  fail "missing data: the message does not name both folders: $err"
echo "installed layout ok"
