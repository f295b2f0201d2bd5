#!/usr/bin/env bash
# Derives the sample again from the real data and compares it with the committed source.
# Exits 77 (skipped) when the real data or the Unihan readings are not on this machine.
set -euo pipefail
python=${1:-python3}
here=$(cd "$(dirname "$0")" && pwd)
real=${TAVRA_REAL_DATA:-$here/../../../shared/real-data}
unihan=/usr/share/unicode/Unihan_Readings.txt.bz2
if [ ! -d "$real" ] || [ ! -f "$unihan" ]; then
  echo "real data ($real) or Unihan readings ($unihan) not found: skipped"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$python" "$here/derive_sample.py" "$real" "$out" >/dev/null
diff -r "$out" "$here/../timetable"
echo "the committed sample is what the derivation makes"
