#!/usr/bin/env bash
# Builds the Debian package from a configured build and checks that it names
# the Qt runtime and a Japanese font among its dependencies and carries the
# desktop files:  desktop/check_package.sh BUILD_DIR OUT_DIR
# Exits 77 (skipped) where dpkg-deb is missing, as on a non-Debian machine.
set -euo pipefail
build=$1
out=$2
if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb is not installed"
  exit 77
fi
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out.log" 2>&1 || {
  cat "$out.log"
  exit 1
}
deb=$(ls "$out"/*.deb)
echo "built $(basename "$deb")"

status=0
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for wanted in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-gothic; do
  if ! grep -Eq "(^|[ ,|])$wanted([ ,(]|$)" <<<"$depends"; then
    echo "missing dependency: $wanted"
    status=1
  fi
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for wanted in ./usr/bin/kemurina ./usr/share/applications/kemurina.desktop \
              ./usr/share/metainfo/com.example.kemurina.metainfo.xml \
              ./usr/share/icons/hicolor/48x48/apps/kemurina.png \
              ./usr/share/icons/hicolor/scalable/apps/kemurina.svg; do
  if ! grep -qxF "$wanted" <<<"$contents"; then
    echo "missing from the package: $wanted"
    status=1
  fi
done
rm -rf "$out" "$out.log"
exit $status
