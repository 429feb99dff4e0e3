#!/usr/bin/env bash
# clang-format over our own sources. --check reports and fails instead of rewriting.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard -- \
  'src/*' 'drivers/*' 'tools/*' 'tests/*' 'benchmarks/*' | grep -E '\.(cpp|h)$' || true)
[ ${#files[@]} -eq 0 ] && exit 0
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
