#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# over the whole library), replays each corpus, then fuzzes each target from its corpus.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   default 60 seconds, every target
# New inputs go to build-fuzz/work/TARGET, not into the committed corpus; a crash leaves its
# input in build-fuzz/work/TARGET-crashes and fails the run (add it to the corpus once mended).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(loader source query settings check http_answer)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTAVRA_FUZZ=ON -DTAVRA_TESTS=OFF \
  -DTAVRA_BENCH=OFF -DTAVRA_GUI=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/%/_fuzz}"

status=0
for t in "${targets[@]}"; do
  bin=build-fuzz/${t}_fuzz
  work=build-fuzz/work/$t
  crashes=build-fuzz/work/$t-crashes
  mkdir -p "$work" "$crashes"
  echo "== $t: replaying fuzz/corpus/$t"
  "$bin" -runs=0 "fuzz/corpus/$t" 2>&1 | grep -E '^#[0-9]+[[:space:]]+DONE|ERROR|SUMMARY' || true
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$t: the corpus replay failed"; status=1; continue; }
  echo "== $t: fuzzing for $seconds s"
  if "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$work" "fuzz/corpus/$t" >"$work.log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss' "$work.log" || true
  else
    tail -40 "$work.log"
    echo "$t: the fuzzer found a fault; its input is in $crashes"
    status=1
  fi
done
exit $status
