#!/usr/bin/env bash
# Runs one Windows test executable under Wine in the run's throw-away environment.
set -uo pipefail
state=$1; shift
if [ ! -f "$state/env" ]; then
  echo "no Wine environment at $state (run the wine_env_setup test first)" >&2
  exit 1
fi
# shellcheck disable=SC1091
. "$state/env" 2>/dev/null  # bash may warn about a locale it lacks; Wine does not need it
# The test's output goes through a file: Wine processes the test starts (a virtual desktop coming
# up anew, say) inherit its handles and may outlive it, and must not keep ctest's pipe open.
out=$(mktemp)
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
# A program that ends at once without a word leaves nothing to go on: say at least that.
if [ "$rc" -ne 0 ] && [ ! -s "$out" ]; then
  echo "wine-run.sh: $1 ended with exit code $rc and printed nothing" >&2
fi
rm -f "$out"
exit $rc
