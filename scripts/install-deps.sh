#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Zorvel need.
set -euo pipefail

packages=(
  cmake g++ make pkg-config           # the build
  libgtest-dev libbenchmark-dev       # tests and benchmarks
  clang libclang-rt-dev               # the fuzz target (libFuzzer)
  qt6-base-dev                        # the window (Qt 6 Widgets, QtTest)
  fonts-urw-base35 fonts-liberation   # the Bookman-like serif and a sans serif for the window
  xvfb xauth                          # running the window without a display
  desktop-file-utils                  # checking the desktop entry
  appstream groff-base                # checking the AppStream metadata and the manual pages
  dpkg-dev file                       # the Debian package (cpack, dpkg-shlibdeps)
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
