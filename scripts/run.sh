#!/usr/bin/env bash
# Sets up (when needed), builds and starts Beatwise with the built-in synthesizer.
# Arguments are passed on to the program; scripts/run.sh tonewise starts Tonewise instead.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program=beatwise
if [ "${1:-}" = beatwise ] || [ "${1:-}" = tonewise ]; then
    program="$1"
    shift
fi
BEATWISE_TARGET="$program" bash "$root/scripts/setup.sh"
exec "${BEATWISE_BUILD_DIR:-$root/build}/$program/$program" "$@"
