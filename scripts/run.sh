#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in this folder
# (its data lives in ./kemurinadata). With no display at all, it starts a
# virtual one (Xvfb) and saves a screenshot so the window can still be seen.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh" run
"$here/scripts/build.sh" "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DKEMURINA_BUILD_TESTS=OFF \
  -DKEMURINA_BUILD_BENCH=OFF
program="$here/build/release/kemurina"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program"
fi

display=:${KEMURINA_DISPLAY:-77}
echo "No display found: starting a virtual X display ($display) with Xvfb."
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" &
app=$!
sleep 3
shots="$here/screenshots-run"
mkdir -p "$shots"
shot="$shots/kemurina-$(date +%Y%m%d-%H%M%S).png"
if import -window root "$shot" 2>/dev/null; then
  echo "Saved a screenshot of the virtual screen to $shot"
fi
echo "The program runs on the virtual display $display; press Ctrl+C to stop it."
wait "$app" || true
