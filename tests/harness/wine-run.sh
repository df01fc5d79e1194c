#!/usr/bin/env bash
# Runs one Windows test executable under Wine in the run's throw-away environment.
set -euo pipefail
state=$1; shift
if [ ! -f "$state/env" ]; then
  echo "no Wine environment at $state (run the wine_env_setup test first)" >&2
  exit 1
fi
# shellcheck disable=SC1091
. "$state/env" 2>/dev/null  # bash may warn about a locale it lacks; Wine does not need it
exec wine "$@"
