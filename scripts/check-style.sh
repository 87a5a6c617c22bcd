#!/usr/bin/env bash
# The style checks CI runs: every C++ file formatted as .clang-format says,
# and clang-tidy's checks (.clang-tidy) clean on src/. Needs a configured
# build directory with compile_commands.json (scripts/test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
  echo "Formatting differs from .clang-format; run: clang-format -i \$(git ls-files '*.cpp' '*.h')" >&2
  exit 1
fi

mapfile -t units < <(git ls-files 'src/*.cpp')
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "${units[@]/#/$PWD/}" > "$build/clang-tidy.log" 2>&1 || {
  grep -E "(warning|error):" "$build/clang-tidy.log" >&2 || tail -20 "$build/clang-tidy.log" >&2
  exit 1
}
echo "clang-format and clang-tidy: clean"
