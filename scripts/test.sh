#!/usr/bin/env bash
# Sets up (when needed), builds everything and runs all tests, the MIDI tests under
# ThreadSanitizer, then a bounded fuzz run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BEATWISE_BUILD_DIR:-$root/build}"
bash "$root/scripts/setup.sh" --tests
(cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
# The MIDI tests once more under ThreadSanitizer, in their own build folder.
bash "$root/scripts/tsan.sh"
if [ -f "$root/fuzz/CMakeLists.txt" ]; then
    bash "$root/scripts/fuzz.sh"
fi
