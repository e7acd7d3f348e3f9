#!/usr/bin/env bash
# Configures and builds one configuration. Usage: scripts/build.sh [BUILD_DIR] [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
sanitize=OFF
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=ON ;;
    *) dir="$arg" ;;
  esac
done
cmake -S . -B "$dir" -G Ninja -DZELTAR_SANITIZE="$sanitize" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
