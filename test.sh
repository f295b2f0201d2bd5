#!/usr/bin/env bash
# Installs what is missing, builds everything, compiles the sample timetable and runs
# every test. Exits non-zero on any failure.
#   ./test.sh                 the normal build, in build/
#   ./test.sh --sanitize      AddressSanitizer + UndefinedBehaviorSanitizer, in build-asan/
#   ./test.sh --thread        ThreadSanitizer (the loader hand-over), in build-tsan/
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

dir=build
# The project's own code builds without a warning.
flags=(-DTAVRA_WERROR=ON)
skip=()
case "${1:-}" in
  --sanitize) dir=build-asan; flags+=(-DTAVRA_SANITIZE=address,undefined -DTAVRA_BENCH=OFF) ;;
  # Qt's libraries are not built for ThreadSanitizer, so hand-overs through its event queue
  # show as races there; the loader hand-over itself is tested without Qt.
  --thread) dir=build-tsan; flags+=(-DTAVRA_SANITIZE=thread -DTAVRA_BENCH=OFF); skip=(-E '^Qt') ;;
  "") ;;
  *) echo "usage: ./test.sh [--sanitize|--thread]" >&2; exit 1 ;;
esac

cmake -S . -B "$dir" -G Ninja "${flags[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" "${skip[@]}"
