#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it with the root
# .clang-format; lists those files. `scripts/check_format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tools tests bench fuzz -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -ne 0 ]; then
  printf 'not formatted: %s\n' "${bad[@]}" >&2
  echo "run scripts/check_format.sh --fix" >&2
  exit 1
fi
