#!/usr/bin/env bash
# Installs what is missing (the test, fuzz and packaging tools too),
# configures, builds and runs every test. ZORVEL_WERROR=ON (as CI sets it)
# makes every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh all
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR="${ZORVEL_WERROR:-OFF}"
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
