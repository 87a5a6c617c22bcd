#!/usr/bin/env bash
# Installs what the program needs, builds Zorvel in Release and starts the
# window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh program
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZORVEL_TESTS=OFF -DZORVEL_BENCH=OFF
# Everything that is installed: the window, zorvel-calc and their manual pages.
cmake --build build-release -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build-release/src/app/zorvel, but there is no display to show it on."
  echo "Run it in a virtual display:  xvfb-run -s '-screen 0 1280x800x24' build-release/src/app/zorvel"
  exit 0
fi
exec build-release/src/app/zorvel
