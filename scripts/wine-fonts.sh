#!/usr/bin/env bash
# Puts Wine's own fonts (package fonts-wine) into a Wine prefix's C:\windows\Fonts.
#   scripts/wine-fonts.sh PREFIX
# Debian 12's Wine looks for them under a folder that does not exist, and without them every face
# the program asks for ("MS Sans Serif", "Marlett", "Tahoma") is drawn in a substitute. A file the
# prefix already has is never replaced, and nothing is removed. Prints how many files it added.
set -euo pipefail
prefix=${1:?usage: wine-fonts.sh PREFIX}
fonts="$prefix/drive_c/windows/Fonts"
[ -d "$prefix/drive_c/windows" ] || { echo "not a Wine prefix: $prefix" >&2; exit 1; }
mkdir -p "$fonts"

mapfile -t files < <(dpkg -L fonts-wine 2>/dev/null | grep -iE '\.(ttf|ttc|otf|fon)$' || true)
if [ ${#files[@]} -eq 0 ]; then
  echo "Wine's fonts are missing: install the package fonts-wine (scripts/setup.sh does)" >&2
  exit 1
fi

added=0
for file in "${files[@]}"; do
  [ -f "$file" ] || continue
  # Windows file names are case-insensitive: a differently cased copy counts as present.
  name=$(basename "$file")
  if [ -n "$(find "$fonts" -maxdepth 1 -iname "$name" -print -quit)" ]; then continue; fi
  cp -n "$file" "$fonts/$name"
  added=$((added + 1))
done
echo "$added"
