#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test again. Leaks are checked in the core's tests; in the window's
# tests, leaks inside the platform's own libraries (fonts, Qt's caches) are not
# ours and are suppressed.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZORVEL_SANITIZE=address,undefined -DZORVEL_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR="${ZORVEL_WERROR:-OFF}"
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
