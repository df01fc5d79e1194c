#!/usr/bin/env bash
# Sets up and builds the release into build/release/: Tallyvane-<version>-win64.zip (portable),
# Tallyvane-<version>-setup.exe (per-user installer) and SHA256SUMS. One commit gives the same
# bytes on every machine: the build number and the file times come from the commit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
if [ -n "$(git status --porcelain 2>/dev/null || true)" ]; then
  echo "Note: the working tree has uncommitted changes; the release carries the last commit's number." >&2
fi
# Configured afresh each time, so the build number and date are the current commit's.
cmake --fresh --preset release >/dev/null
# Only this release's files in the folder: none of an earlier version stays beside them.
out=build/release
rm -rf "$out"
cmake --build --preset release
echo "Release in $out/:"
for f in "$out"/Tallyvane-*-win64.zip "$out"/Tallyvane-*-setup.exe "$out"/SHA256SUMS; do
  printf '  %-32s %9d bytes\n' "$(basename "$f")" "$(stat -c %s "$f")"
done
printf '  %-32s %9d bytes (stripped)\n' "Tallyvane.exe" "$(stat -c %s build/release-build/Tallyvane.exe)"
