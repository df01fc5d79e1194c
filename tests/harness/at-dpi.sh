#!/usr/bin/env bash
# Runs one Windows test with the throw-away prefix's display scale set to a DPI:
#   at-dpi.sh STATE_DIR DPI test.exe [arguments]
# The test reads the DPI it is run at from TV_TEST_DPI. The scale is put back afterwards, also
# when the test fails. A program reads LogPixels when it starts (measured with Wine 8: a process
# started after the change gets the new DPI from GetDpiForSystem, GetDpiForWindow and LOGPIXELSY
# alike), so the server and the desktop go on as they are.
set -uo pipefail
state=$1 dpi=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$state/env" ]; then
  echo "no Wine environment at $state (run the wine_env_setup test first)" >&2
  exit 1
fi
# shellcheck disable=SC1091
. "$state/env" 2>/dev/null
case "$dpi" in ''|*[!0-9]*) echo "at-dpi.sh: not a DPI: $dpi" >&2; exit 2 ;; esac
key='HKCU\Control Panel\Desktop'
before=$(wine reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" { print $3 }')
restore() {
  if [ -n "$before" ]; then
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$((before))" /f >/dev/null 2>&1
  else
    wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1
  fi
}
trap restore EXIT
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || {
  echo "at-dpi.sh: could not set LogPixels to $dpi" >&2
  exit 1
}
TV_TEST_DPI=$dpi "$here/wine-run.sh" "$state" "$@"
