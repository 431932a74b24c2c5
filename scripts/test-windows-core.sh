#!/usr/bin/env bash
# The Qt-free core and its unit tests cross-built for 64-bit Windows with
# mingw-w64 and run under wine: installs what is missing, builds into
# build/windows-core and runs the tests with ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/windows-core"

missing=()
for p in cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# A wine prefix of its own, made before the tests so that its first start (the
# slow one) counts against no test's time.
export WINEPREFIX="${KEMURINA_WINEPREFIX:-$build/wineprefix}" WINEDEBUG=-all
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX"
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1 || true  # a 64-bit-only wine misses its 32-bit parts
"$wineserver" -w

cmake -S "$here" -B "$build" -G Ninja -DKEMURINA_CORE_ONLY=ON \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Debug -DKEMURINA_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
