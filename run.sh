#!/usr/bin/env bash
# Installs what is missing, builds everything, compiles the sample timetable and starts
# the program on it: the desktop program when there is a display, otherwise a look at the
# sample with tavra-cli. Arguments go to tavra-cli.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
if [ $# -eq 0 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/tavra ]; then
  exec build/tavra
elif [ $# -eq 0 ]; then
  echo "No display: the desktop program build/tavra needs one; here is the terminal program."
  echo "Sample timetable, data version $(build/tavra-cli version)"
  echo "Stations for the typed initials 'bj':"
  build/tavra-cli stations bj
  echo
  echo "Trains from 北京 to 上海:"
  build/tavra-cli between 北京 上海
  echo
  echo "Try: build/tavra-cli train T109, build/tavra-cli station 南京 (no command lists them all)"
else
  exec build/tavra-cli "$@"
fi
