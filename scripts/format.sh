#!/usr/bin/env bash
# Formats the C++ sources under src/, tests/ and bench/ with .clang-format.
#   scripts/format.sh          rewrites every file that is not formatted
#   scripts/format.sh --check  changes nothing; lists the files that are not formatted and fails
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
if [ "${1:-}" != --check ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
mapfile -t unformatted < <(clang-format --dry-run "${files[@]}" 2>&1 | sed -nE 's/^(.*\.(cpp|h)):[0-9]+:[0-9]+: (warning|error):.*/\1/p' | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (run scripts/format.sh):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted"
