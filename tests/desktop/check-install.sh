#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what the desktop and
# distributions need: both programs, a valid menu entry and the icon it names,
# valid AppStream metadata, and the manual pages.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/zorvel.desktop"
test -x "$prefix/bin/zorvel" || { echo "no program installed"; exit 1; }
test -x "$prefix/bin/zorvel-calc" || { echo "no command-line program installed"; exit 1; }
desktop-file-validate "$entry"
grep -qx 'Icon=zorvel' "$entry"
grep -qx 'Categories=Utility;Calculator;' "$entry"
test -s "$prefix/share/icons/hicolor/scalable/apps/zorvel.svg" || { echo "no icon installed"; exit 1; }

metainfo="$prefix/share/metainfo/org.example.zorvel.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">zorvel.desktop</launchable>' "$metainfo"
for page in zorvel zorvel-calc; do
  man_page="$prefix/share/man/man1/$page.1.gz"
  test -s "$man_page" || { echo "no manual page $page.1"; exit 1; }
  # Renders without a warning.
  warnings=$(zcat "$man_page" | groff -k -man -Tutf8 -ww -z 2>&1)
  test -z "$warnings" || { echo "$page.1: $warnings"; exit 1; }
done
echo "installed: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
