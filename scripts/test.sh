#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite with ctest.
# Usage: scripts/test.sh [--sanitize | --fuzz]   (--sanitize builds in build-asan with ASan and
# UBSan; --fuzz runs the libFuzzer targets, see scripts/fuzz.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ "${1:-}" = "--fuzz" ]; then
  exec scripts/fuzz.sh
fi
export QT_QPA_PLATFORM=offscreen
dir=build
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
# The programs the build runs (resource, picture and document generators) are not what is
# under test; under load LeakSanitizer may fail to stop their worker threads and end the build.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" scripts/build.sh "$dir" "$@"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
