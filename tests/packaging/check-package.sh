#!/usr/bin/env bash
# Builds the Debian package of the build, unpacks it into a scratch folder and
# runs the unpacked command-line program: its version and a small
# determinant. A sanitizer build makes no package worth shipping: skipped.
set -euo pipefail
build_dir=$1
sanitize=${2:-}
if [ -n "$sanitize" ]; then
  echo "skipped: a package of a sanitizer build ($sanitize) is not one to ship"
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB -B "$scratch" --config "$build_dir/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; exit 1; }
package=$(ls "$scratch"/zorvel_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
echo "$package: Depends: $depends"
grep -q 'libqt6core6' <<<"$depends" || { echo "no shared-library dependencies computed"; exit 1; }

dpkg-deb -x "$package" "$scratch/root"
for file in bin/zorvel bin/zorvel-calc share/applications/zorvel.desktop \
            share/icons/hicolor/scalable/apps/zorvel.svg share/metainfo/org.example.zorvel.metainfo.xml \
            share/man/man1/zorvel.1.gz share/man/man1/zorvel-calc.1.gz; do
  test -s "$scratch/root/usr/$file" || { echo "the package lacks /usr/$file"; exit 1; }
done

calc="$scratch/root/usr/bin/zorvel-calc"
version=$("$calc" --version)
test "$version" = "zorvel-calc (Zorvel) 2.1" || { echo "version: $version"; exit 1; }
determinant=$(printf '1\t2\n3\t4,5\n' | "$calc" det -)
test "$determinant" = "-1,5" || { echo "det: $determinant"; exit 1; }
echo "unpacked zorvel-calc: $version; det = $determinant"
