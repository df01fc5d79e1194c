#!/usr/bin/env bash
# Sets up and runs every test: core logic natively (sanitizers), the fuzz targets for a bounded
# time, and the Windows build under Wine in a fresh throw-away prefix on a private Xvfb display.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1

state="$root/build/windows/wine-env"
cleanup() { [ -x tests/harness/wine-env.sh ] && tests/harness/wine-env.sh stop "$state" >/dev/null 2>&1 || true; }
trap cleanup EXIT INT TERM

passed=0 failed=0 status=0
run_preset() {
  local preset=$1 log
  log=$(mktemp)
  echo "=== $preset: configure and build"
  if ! cmake --preset "$preset" >"$log" 2>&1 || ! cmake --build --preset "$preset" >>"$log" 2>&1; then
    cat "$log"; rm -f "$log"
    echo "=== $preset: build failed"
    failed=$((failed + 1)); status=1
    return
  fi
  echo "=== $preset: test"
  ctest --preset "$preset" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -n "$line" ]; then
    local total fail
    fail=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - fail)); failed=$((failed + fail))
  fi
  [ "$rc" -eq 0 ] || status=1
  rm -f "$log"
}

run_preset native
run_preset fuzz
run_preset windows

# Screenshots the tests took, as PNG beside the BMP files.
if command -v convert >/dev/null 2>&1 && [ -d build/windows/artifacts ]; then
  for bmp in build/windows/artifacts/*.bmp; do
    [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null
  done
  echo "Screenshots: build/windows/artifacts/*.png"
fi

echo "ctest: $passed passed, $failed failed"
exit $status
