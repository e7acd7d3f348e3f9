#!/usr/bin/env bash
# Configures and builds one configuration. Usage: scripts/build.sh [BUILD_DIR] [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
sanitize=OFF
bench=ON
for arg in "$@"; do
  case "$arg" in
    # Benchmarks measure nothing under a sanitizer.
    --sanitize) sanitize=ON bench=OFF ;;
    *) dir="$arg" ;;
  esac
done
# In CI every warning fails the build.
werror=OFF
if [ -n "${CI:-}" ]; then werror=ON; fi
cmake -S . -B "$dir" -G Ninja -DZELTAR_SANITIZE="$sanitize" -DZELTAR_BUILD_BENCH="$bench" -DZELTAR_WERROR="$werror" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
