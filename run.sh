#!/usr/bin/env bash
# Installs what is missing, builds everything, compiles the sample timetable and starts
# the program on it. Arguments go to tavra-cli (default: a look at the sample).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
if [ $# -eq 0 ]; then
  echo "Sample timetable, data version $(build/tavra-cli version)"
  echo "Stations for the typed initials 'bj':"
  build/tavra-cli stations bj
  echo
  echo "Try: build/tavra-cli stations sh    (build/tavra-cli with no command lists the commands)"
else
  exec build/tavra-cli "$@"
fi
