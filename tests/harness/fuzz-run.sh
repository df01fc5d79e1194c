#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time over a scratch copy of its kept corpus.
set -euo pipefail
target=$1 corpus=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ -d "$corpus" ]; then cp -r "$corpus"/. "$scratch"/; fi
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$scratch"
