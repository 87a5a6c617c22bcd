#!/usr/bin/env bash
# Installs the Debian packages that Zorvel needs, in two groups:
#   scripts/install-deps.sh program   building and running the programs
#   scripts/install-deps.sh all       that, and testing, fuzzing and packaging
# (all when no group is named). Does nothing when all of them are installed
# already; otherwise waits for another running install to finish instead of
# failing on its lock.
set -euo pipefail

program=(
  cmake g++ make pkg-config           # the build
  libgmp-dev                          # exact arithmetic (GMP and its C++ interface)
  libmpfr-dev                         # the exact parts of a polar cell (sine and cosine to 40 digits)
  libquazip1-qt6-dev                  # spreadsheets' own files (.ods, .xlsx are ZIP archives)
  qt6-base-dev                        # the window (Qt 6 Widgets) and zorvel-calc (Qt 6 Core)
  qt6-tools-dev qt6-l10n-tools        # the English translation (Qt Linguist: lupdate, lrelease)
  qt6-translations-l10n               # Qt's own texts (the file dialog's buttons) in Slovak
  fonts-urw-base35 fonts-liberation   # the Bookman-like serif and a sans serif for the window
)
tests=(
  libgtest-dev libbenchmark-dev       # tests and benchmarks
  poppler-utils                       # reading saved PDFs back (pdftotext)
  clang libclang-rt-dev               # the fuzz targets (libFuzzer)
  xvfb xauth                          # running the window without a display
  desktop-file-utils                  # checking the desktop entry
  appstream groff-base                # checking the AppStream metadata and the manual pages
  dpkg-dev file lintian               # the Debian package (cpack, dpkg-shlibdeps) and its check
  clang-format clang-tidy             # the style checks (scripts/check-style.sh)
  ccache                              # CI's three builds of the same sources, from a cache
)

case "${1:-all}" in
  program) packages=("${program[@]}") ;;
  all) packages=("${program[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 [program|all]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status="$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)"
  if [ "$status" != "installed" ]; then missing+=("$package"); fi
done
if [ "${#missing[@]}" -eq 0 ]; then exit 0; fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
lock=(-o DPkg::Lock::Timeout=600)  # another install may hold the lock for a while
echo "Installing: ${missing[*]}"
# The package lists have a lock of their own, which the option may not cover.
tries=0
until $sudo apt-get "${lock[@]}" update -qq; do
  tries=$((tries + 1))
  if [ "$tries" -ge 60 ]; then exit 1; fi
  echo "apt-get update failed; another install may hold its lock. Trying again in 10 s."
  sleep 10
done
$sudo apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
