#!/usr/bin/env bash
# Builds the Debian package from a configured build and checks that it names
# the Qt runtime and a Japanese font among its dependencies, carries the
# program, its starter, the desktop files and the Debian documents with the
# right modes, and that the starter names the program where the package puts
# it; with "lintian" last, lintian checks it too:
#   desktop/check_package.sh BUILD_DIR OUT_DIR [lintian]
# Exits 77 (skipped) where dpkg-deb is missing, as on a non-Debian machine,
# or lintian when asked for.
set -euo pipefail
build=$1
out=$2
lint=${3:-}
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

# "mode path" of every file in the package.
contents=$(dpkg-deb -c "$deb" | awk '{print $1, $NF}')
for wanted in "-rwxr-xr-x ./usr/lib/kemurina/kemurina" "-rwxr-xr-x ./usr/bin/kemurina" \
              "-rw-r--r-- ./usr/share/applications/kemurina.desktop" \
              "-rw-r--r-- ./usr/share/metainfo/com.example.kemurina.metainfo.xml" \
              "-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/kemurina.png" \
              "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/kemurina.svg" \
              "-rw-r--r-- ./usr/share/man/man1/kemurina.1.gz" \
              "-rw-r--r-- ./usr/share/doc/kemurina/copyright" \
              "-rw-r--r-- ./usr/share/doc/kemurina/changelog.Debian.gz"; do
  if ! grep -qxF -- "$wanted" <<<"$contents"; then
    echo "missing from the package: $wanted"
    status=1
  fi
done

# Folders made under a loose umask would be group-writable.
if odd=$(grep '^d' <<<"$contents" | grep -v '^drwxr-xr-x '); then
  echo "folders with other modes than 0755:"
  echo "$odd"
  status=1
fi

# CPack installs into a staging folder; the starter must still name the
# program's place on the user's machine, not the staging one.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/bin/kemurina >"$out/starter"
if ! grep -qxF 'exec "/usr/lib/kemurina/kemurina" "$@"' "$out/starter"; then
  echo "the starter does not start /usr/lib/kemurina/kemurina:"
  grep '^exec' "$out/starter" || true
  status=1
fi

# The build's own flags decide the hardening remarks, which are informational;
# errors and warnings fail.
if [[ $lint == lintian && $status == 0 ]]; then
  if ! command -v lintian >/dev/null; then
    echo "lintian is not installed (scripts/deps.sh test installs it)"
    status=77
  elif ! lintian --fail-on error,warning "$deb"; then
    status=1
  fi
fi
rm -rf "$out" "$out.log"
exit $status
