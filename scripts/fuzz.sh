#!/usr/bin/env bash
# Builds the fuzz target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for a bounded time (default 60 s)
# from the seeds in fuzz/corpus. New inputs go to a scratch corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORVEL_FUZZ=ON -DZORVEL_GUI=OFF -DZORVEL_TESTS=OFF -DZORVEL_BENCH=OFF -DZORVEL_SANITIZE=address,undefined
cmake --build build-fuzz -j"$(nproc)" --target complex_text_fuzz

corpus=build-fuzz/corpus
mkdir -p "$corpus"
cp -n fuzz/corpus/* "$corpus"/ 2>/dev/null || true
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
build-fuzz/fuzz/complex_text_fuzz "$corpus" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1
