#!/usr/bin/env bash
# Installs the Debian packages the program needs, and only those missing.
#   scripts/deps.sh run    what building and running needs
#   scripts/deps.sh package  that, plus what making and checking the Debian package needs
#   scripts/deps.sh test   that, plus what the whole test suite needs
set -euo pipefail

run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
              fonts-ipafont-gothic xvfb x11-utils imagemagick)
package_packages=(dpkg-dev file lintian)
test_packages=(googletest libgtest-dev xdotool xclip faketime trayer python3 clang
               libclang-rt-14-dev libbenchmark-dev desktop-file-utils appstream
               at-spi2-core python3-pyatspi dbus-daemon)

wanted=("${run_packages[@]}")
case "${1:-run}" in
  package) wanted+=("${package_packages[@]}") ;;
  test) wanted+=("${package_packages[@]}" "${test_packages[@]}") ;;
esac

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
