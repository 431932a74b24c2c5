#!/usr/bin/env bash
# Installs what is missing, builds the program for release with Debian's
# hardening flags and packs it into a Debian package in dist/ (or the folder
# given), then checks the package with lintian:  scripts/package.sh [OUT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$here/dist}")
"$here/scripts/deps.sh" package

# The flags a Debian build compiles and links with: fortified, stack
# protected, position independent, read-only relocations bound at start.
# dpkg-buildflags maps the source folder to "." in the debug data, so it runs
# from there.
cd "$here"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
dir=$here/build/package
"$here/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DKEMURINA_BUILD_TESTS=OFF \
  -DKEMURINA_BUILD_BENCH=OFF "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"

rm -rf "$dir/cpack"
if ! cpack --config "$dir/CPackConfig.cmake" -G DEB -B "$dir/cpack" >"$dir/cpack.log" 2>&1; then
  cat "$dir/cpack.log"
  exit 1
fi
mkdir -p "$out"
rm -f "$out"/kemurina_*.deb
mv "$dir"/cpack/kemurina_*.deb "$out/"
deb=$(echo "$out"/kemurina_*.deb)
echo "Built $deb"

# Errors and warnings fail; informational, pedantic and experimental remarks
# are shown. The package's overrides, with their reasons, are in
# desktop/debian/lintian-overrides.
echo "lintian:"
lintian --fail-on error,warning --display-info --display-experimental --pedantic "$deb"
echo "lintian: no errors or warnings"
