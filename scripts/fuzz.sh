#!/usr/bin/env bash
# Builds the fuzz targets with clang, every library under test instrumented for
# coverage, AddressSanitizer, UndefinedBehaviorSanitizer and the asserts on,
# and runs each target for a bounded time (default 60 s) from its seeds in
# fuzz/corpus/<target>/. New inputs go to a scratch corpus in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(complex_text_fuzz determinant_fuzz clipboard_fuzz file_reading_fuzz)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORVEL_FUZZ=ON -DZORVEL_GUI=ON -DZORVEL_TESTS=OFF -DZORVEL_BENCH=OFF -DZORVEL_SANITIZE=address,undefined \
  -DCMAKE_COMPILE_WARNING_AS_ERROR="${ZORVEL_WERROR:-OFF}"
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Allocations that Qt and the platform's libraries keep for the process's life.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  max_len=4096
  options=()
  # Long enough for a pasted cell beyond the longest a cell may hold, and
  # for the places byte before the longest cell.
  if [ "$target" = clipboard_fuzz ]; then max_len=40000; fi
  if [ "$target" = complex_text_fuzz ]; then max_len=32768; fi
  # Inputs of every length at once: a 10 x 10 matrix written out with edits
  # after it takes hundreds of bytes.
  if [ "$target" = determinant_fuzz ]; then options+=(-len_control=0); fi
  log="build-fuzz/$target.log"
  echo "== $target for ${seconds} s"
  status=0
  "build-fuzz/fuzz/$target" "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" -max_len="$max_len" \
    -artifact_prefix="build-fuzz/$target-" -print_final_stats=1 "${options[@]}" >"$log" 2>&1 || status=$?
  # The edges reached at the start and at the end ("cov:").
  grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)" "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "$target found a fault: see $log and the input it saved under build-fuzz/" >&2
    exit 1
  fi
done
