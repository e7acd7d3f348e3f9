#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build-fuzz and runs each for
# ZELTAR_FUZZ_SECONDS seconds (30 by default) from its corpus in tests/fuzz/corpus/<target>/.
# Fails on any crash, leak, timeout or broken check. An input that fails is left in
# build-fuzz/findings/<target>/; once fixed, keep it in the target's corpus folder so that the
# ordinary test build replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${ZELTAR_FUZZ_SECONDS:-30}"
dir=build-fuzz
# In CI every warning fails the build.
werror=OFF
if [ -n "${CI:-}" ]; then werror=ON; fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZELTAR_FUZZ=ON -DZELTAR_BUILD_TESTS=OFF \
  -DZELTAR_BUILD_BENCH=OFF -DZELTAR_WERROR="$werror" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target zeltar_fuzzers

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
# The targets read their input from scratch files; in memory they run several times faster.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

failed=()
ran=0
# target and the longest input worth trying: a .meta and a little more, a few hundred lines,
# a meta with a few hundred samples, a settings file, a meter line, a short dump.
while read -r target max_len; do
  work="$dir/fuzz-work/$target"
  findings="$dir/findings/$target"
  rm -rf "$work" "$findings"
  mkdir -p "$work" "$findings"
  echo "== fuzzing $target for $seconds s"
  ran=$((ran + 1))
  # New inputs go to the scratch folder; the kept corpus is only read.
  if ! "$dir/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work" "tests/fuzz/corpus/$target"; then
    failed+=("$target")
  fi
done <<'TARGETS'
meta 1024
histogram 4096
record 4096
settings 512
meter_line 64
import_line 2048
TARGETS

echo "fuzz: $((ran - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $dir/findings/)" >&2
  exit 1
fi
