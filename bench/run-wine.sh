#!/usr/bin/env bash
# Runs one in-Wine benchmark program of the windows build in a throw-away Wine environment.
#   bench/run-wine.sh startup_bench.exe [arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
state="$root/build/windows/bench-env"
"$root/tests/harness/wine-env.sh" start "$state" >/dev/null
trap '"$root/tests/harness/wine-env.sh" stop "$state" >/dev/null' EXIT
"$root/tests/harness/wine-run.sh" "$state" "$root/build/windows/$1" "${@:2}"
