#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what the desktop needs:
# the program, a valid menu entry and the icon it names.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/zorvel.desktop"
test -x "$prefix/bin/zorvel" || { echo "no program installed"; exit 1; }
desktop-file-validate "$entry"
grep -qx 'Icon=zorvel' "$entry"
grep -qx 'Categories=Utility;Calculator;' "$entry"
test -s "$prefix/share/icons/hicolor/scalable/apps/zorvel.svg" || { echo "no icon installed"; exit 1; }
echo "installed: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
