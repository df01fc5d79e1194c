#!/usr/bin/env bash
# Sets up, builds and runs every benchmark: the native ones (Google Benchmark, optimised build) and
# the in-Wine ones in one throw-away Wine environment. Ends with one table of every target:
# benchmark, target, measured, met or not. Exits 1 when a target is not met.
#   bash scripts/bench.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1

log=$(mktemp)
state="$root/build/windows/bench-env"
cleanup() { tests/harness/wine-env.sh stop "$state" >/dev/null 2>&1 || true; rm -f "$log"; }
trap cleanup EXIT INT TERM

build() {
  local preset=$1 out
  out=$(mktemp)
  if ! cmake --preset "$preset" >"$out" 2>&1 || ! cmake --build --preset "$preset" >>"$out" 2>&1; then
    cat "$out"; rm -f "$out"
    echo "=== $preset: build failed"
    exit 1
  fi
  rm -f "$out"
}
run() {
  echo "=== $*"
  "$@" 2>&1 | tee -a "$log"
  echo
}

build bench
build windows

for bench in build/bench/*_bench; do
  [ -x "$bench" ] && run "$bench" --benchmark_color=false
done

tests/harness/wine-env.sh start "$state" >/dev/null || exit 1
in_wine() { run tests/harness/wine-run.sh "$state" "$root/build/windows/$1" "${@:2}"; }
in_wine startup_bench.exe 40 96
in_wine startup_bench.exe 40 144
in_wine button_paint_bench.exe 15
in_wine restore_list_bench.exe
in_wine history_window_bench.exe
in_wine live_display_bench.exe
in_wine finder_bench.exe 50
in_wine journal_wine_bench.exe
in_wine history_chart_bench.exe

echo "=== Targets"
rows=$(tr -d '\r' <"$log" | sed -n $'s/^.*\(TARGET\t\)/\\1/p')
{
  printf 'benchmark\ttarget\tmeasured\tresult\n'
  cut -f2- <<<"$rows"
} | awk -F'\t' '
  { for (i = 1; i <= NF; i++) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } rows = NR }
  END { for (r = 1; r <= rows; r++) printf "%-*s  %-*s  %-*s  %s\n", width[1], cell[r, 1], width[2], cell[r, 2],
                                              width[3], cell[r, 3], cell[r, 4] }'
if grep -q $'\tNOT met$' <<<"$rows"; then
  echo "Some targets are NOT met."
  exit 1
fi
echo "Every target is met."
