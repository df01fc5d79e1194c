#!/usr/bin/env bash
# One throw-away Wine environment for a whole test run.
#   wine-env.sh start STATE_DIR   fresh prefix, private Xvfb, persistent wineserver, virtual desktop
#   wine-env.sh stop STATE_DIR    ends every process that start began, by pid
# STATE_DIR/env holds the variables that wine-run.sh exports for each test.
set -euo pipefail
cmd=$1 state=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=prefix-marker.sh
. "$root/tests/harness/prefix-marker.sh"
mkdir -p "$state"
state=$(cd "$state" && pwd)

stop() {
  [ -f "$state/env" ] || return 0
  # shellcheck disable=SC1091
  . "$state/env" 2>/dev/null  # bash may warn about a locale it lacks; Wine does not need it
  wineserver -k >/dev/null 2>&1 || true
  for pidfile in "$state/wineserver.pid" "$state/xvfb.pid"; do
    [ -f "$pidfile" ] || continue
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$pidfile"
  done
}

start() {
  stop || true
  rm -rf "$state"
  mkdir -p "$state/prefix"
  : >"$state/display"
  # -displayfd picks a free display number and writes it once the server is ready.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" >"$state/xvfb.log" 2>&1 </dev/null &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.1; done
  [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
  cat >"$state/env" <<ENV
export WINEPREFIX='$state/prefix'
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe='
export DISPLAY=':$(tr -d '\n' <"$state/display")'
# Wine takes its locale from these; the tests expect United States formats.
export LANG=en_US.UTF-8
export LC_ALL=
export LC_TIME=
ENV
  # shellcheck disable=SC1091
  . "$state/env" 2>/dev/null  # bash may warn about a locale it lacks; Wine does not need it
  setsid wineserver -f -p >"$state/wineserver.log" 2>&1 </dev/null &
  echo $! >"$state/wineserver.pid"
  wineboot --init >"$state/wineboot.log" 2>&1 </dev/null
  # Wine's own fonts, so that the faces the program names are the faces it gets.
  "$root/scripts/wine-fonts.sh" "$WINEPREFIX" >/dev/null
  # Only this harness writes the marker; tests that change the registry, files or processes
  # refuse to run in a prefix without it.
  printf '%s\r\n' "$marker_text" >"$WINEPREFIX/drive_c/$marker_name"
  # Every program runs inside one virtual desktop; no crash dialogs or debugger waits.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'false' /f >/dev/null 2>&1
  # The desktop settings apply to a desktop started afresh: restart the server once.
  wineserver -k >/dev/null 2>&1 || true
  wait "$(cat "$state/wineserver.pid")" 2>/dev/null || true
  setsid wineserver -f -p >>"$state/wineserver.log" 2>&1 </dev/null &
  echo $! >"$state/wineserver.pid"
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  echo "Wine environment ready: $WINEPREFIX on $DISPLAY"
}

case "$cmd" in
  start) start ;;
  stop) stop; echo "Wine environment stopped" ;;
  *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
