#!/usr/bin/env bash
# Sets up, builds and starts Tallyvane. On Windows it runs natively; elsewhere under Wine in the
# user's own Wine prefix. Without a display it uses a private virtual display and saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*)
    cmake --preset windows-native && cmake --build --preset windows-native --target Tallyvane
    exe=$(find build/windows -name Tallyvane.exe | head -1)
    exec "$exe"
    ;;
esac

bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tallyvane
exe="$root/build/windows/Tallyvane.exe"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
prefix=${WINEPREFIX:-$HOME/.wine}
# Wine's own fonts, so that the window is drawn in the faces it names; only missing files are added
# and nothing of the prefix is replaced.
prepare_prefix() {
  if [ ! -d "$prefix/drive_c/windows" ]; then
    echo "Creating the Wine prefix $prefix (once)"
    wineboot --init >/dev/null 2>&1 </dev/null || true
  fi
  local added
  added=$(bash "$root/scripts/wine-fonts.sh" "$prefix")
  [ "$added" -eq 0 ] || echo "Added $added of Wine's own font files to $prefix/drive_c/windows/Fonts"
}
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  prepare_prefix
  echo "Starting $exe under Wine (prefix: $prefix)"
  exec wine "$exe"
fi

# No display: a private Xvfb, the program on it, a screenshot of the main window.
echo "No display found: running Tallyvane on a private virtual display."
tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 </dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '\n' <"$tmp/display")"
stop() {
  [ -n "${prog:-}" ] && kill "$prog" 2>/dev/null || true
  sleep 1
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap stop EXIT
prepare_prefix
# A Wine virtual desktop draws the window frame, as on Windows.
wine explorer /desktop=Tallyvane,480x280 "$exe" >/dev/null 2>&1 </dev/null &
prog=$!
# The first start in a new prefix sets the prefix up, which takes a while.
win=$(timeout 180 xdotool search --sync --onlyvisible --name '^Tallyvane - Wine desktop$' 2>/dev/null | head -1 || true)
if [ -z "$win" ]; then
  echo "The main window did not appear." >&2
  exit 1
fi
# The desktop shows before the program's window does (a first start in a prefix also reads its
# fonts): wait until the desktop shows more than its plain background, then let it settle.
shot="$root/build/windows/tallyvane-main-window.png"
for _ in $(seq 120); do
  import -window "$win" "$shot" 2>/dev/null || true
  [ "$(identify -format '%k' "$shot" 2>/dev/null || echo 0)" -gt 8 ] && break
  sleep 0.5
done
sleep 2
import -window "$win" "$shot"
echo "Screenshot of the main window: $shot"
