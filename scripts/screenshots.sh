#!/usr/bin/env bash
# Renders every window on a virtual X display with a fixed clock and saves
# each one, cropped to itself, into docs/screenshots/:
#   scripts/screenshots.sh            build the release program, then shoot
#   KEMURINA_BINARY=path scripts/screenshots.sh   shoot with that program
# Needs Xvfb, xdotool, ImageMagick's import and faketime (scripts/deps.sh test).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${KEMURINA_SHOTS:-$here/docs/screenshots}

program=${KEMURINA_BINARY:-}
if [[ -z $program ]]; then
  "$here/scripts/deps.sh" test
  "$here/scripts/build.sh" "$here/build/release" -DCMAKE_BUILD_TYPE=Release \
    -DKEMURINA_BUILD_TESTS=OFF -DKEMURINA_BUILD_BENCH=OFF
  program=$here/build/release/kemurina
fi
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[[ -n $faketime_lib ]] || { echo "libfaketime is missing (apt-get install faketime)"; exit 1; }

work=$(mktemp -d)
display=:${KEMURINA_DISPLAY:-78}
# -noreset: the server would otherwise reset each time the last program
# closes, and refuse the next one while it does.
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  if [[ -n $app ]]; then kill "$app" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "the virtual display $display did not start"; exit 1; }
mkdir -p "$out"

# A working folder holding the two settings files:
#   folder NAME "QUIT Y,M,D,H,MIN" WINDOWMODE
# Twenty a day at 300 yen, standard size, the default colours and theme,
# the main window at 1500,1200 twips and the mini window at 3000,2400.
folder() {
  local dir=$work/$1
  mkdir -p "$dir/kemurinadata"
  if [[ -n $2 ]]; then
    printf '%s,20,300,85\r\n' "$2" >"$dir/kemurinadata/initial.ini"
    printf '1,12244,5,0,5,1,1500,1200,9241372,16777215,"www.example.com/kemurina/",%s,3000,2400,"%s"\r\n' \
      "$3" "ソルジャー" | iconv -f UTF-8 -t CP932 >"$dir/kemurinadata/option.ini"
  fi
  echo "$dir"
}

# Starts the program in a folder with the clock standing still at a moment
# ("YYYY-MM-DD HH:MM:SS"); the single-instance lock lives in a fresh folder.
start() {
  local dir=$1 moment=$2 runtime
  runtime=$(mktemp -d "$work/runtime.XXXX")
  log=$dir.log
  (cd "$dir" && exec env XDG_RUNTIME_DIR="$runtime" LD_PRELOAD="$faketime_lib" \
    FAKETIME="$moment" FAKETIME_DONT_FAKE_MONOTONIC=1 "$program") >"$log" 2>&1 &
  app=$!
}

stop() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
}

# Sets $win to the id of the program's visible window whose title matches;
# stops the script, with the program's output, when none comes up.
window() {
  win=
  for _ in $(seq 100); do
    win=$(xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null | head -1) || true
    [[ -n $win ]] && return 0
    sleep 0.1
  done
  echo "no window '$1' appeared; the program said:" >&2
  cat "$log" >&2
  exit 1
}

# Saves a window's own pixels once it has settled.
shoot() {
  sleep 1
  # -strip: no time stamps, so an unchanged window gives an unchanged file.
  import -window "$1" -strip "$out/$2.png"
  echo "saved $2.png ($(xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'))"
}

# Clicks a point of a window given in the design's twips (15 to a pixel).
click() {
  xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click "${4:-1}"
  sleep 0.3
}

# The main window on three days: a fresh quit, the first duck, and later.
for shot in "main-day0 2024-05-01 12:05:00" "main-day12 2024-05-13 15:04:00" \
            "main-day40 2024-06-10 18:30:00"; do
  read -r name date time <<<"$shot"
  start "$(folder "$name" "2024,5,1,12,0" 0)" "$date $time"
  window 'ケムリナ式 - hakkaro'
  shoot "$win" "$name"
  stop
done

start "$(folder mini "2024,5,1,12,0" 1)" "2024-05-13 15:04:00"
window 'mini mode'
shoot "$win" mini
stop

# The settings dialog from the main window's button, then the notice from
# the dialog's "アオゾラ" button; the help window from the pop-up menu.
start "$(folder dialogs "2024,5,1,12,0" 0)" "2024-05-13 15:04:00"
window 'ケムリナ式 - hakkaro'
click "$win" $((4800 + 367)) $((2950 + 150))
window '設定ウィンドウ'
shoot "$win" settings
click "$win" $((4320 + 607)) $((3000 + 150))
window 'つぎはのんびり'
shoot "$win" notice
stop

start "$(folder help "2024,5,1,12,0" 0)" "2024-05-13 15:04:00"
window 'ケムリナ式 - hakkaro'
click "$win" 3975 900 3  # empty space beside the lungs' frame
xdotool key --delay 80 Down Down Down Down Down Down Down Return
window 'help'
shoot "$win" help
stop

# A first start: the setup window, the welcome window, and the greeting on
# each of the three seasonal dates.
first_start() {
  start "$(folder "$1" "" "")" "$2"
  window '初期設定'
  if [[ $1 == setup ]]; then shoot "$win" setup; fi
  click "$win" $((2040 + 600)) $((1080 + 135))
  xdotool type --delay 60 20
  click "$win" $((2040 + 600)) $((1920 + 135))
  xdotool type --delay 60 300
  click "$win" $((1440 + 1147)) $((3120 + 187))
  window '・◇・'
  if [[ $1 == setup ]]; then
    shoot "$win" welcome
  else
    click "$win" $((1680 + 1087)) $((2400 + 247))
    window "$3"
    shoot "$win" "$1"
  fi
  stop
}
first_start setup "2024-05-01 09:00:00"
first_start season-christmas-eve "2024-12-24 21:00:00" "クリスマスイブ"
first_start season-christmas "2024-12-25 10:00:00" "メリークリスマス"
first_start season-new-year "2025-01-01 10:00:00" "謹賀新年"

echo "Screenshots are in $out"
