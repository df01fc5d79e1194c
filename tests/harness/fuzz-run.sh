#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time over a scratch copy of its kept corpus, with inputs
# up to max_len bytes (libFuzzer's own cap is about 4 KB).
set -euo pipefail
target=$1 corpus=$2 seconds=$3 max_len=${4:-4096}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ -d "$corpus" ]; then cp -r "$corpus"/. "$scratch"/; fi
"$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$scratch"
