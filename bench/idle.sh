#!/usr/bin/env bash
# Idle cost of kemurina: the CPU time it uses over a stretch of SECONDS with
# its main window shown, then with the window hidden in the notification area
# (a double click on empty window space, with trayer as the tray), on a
# private Xvfb display. Also counts the wake-ups of each thread (context
# switches), since nothing but the 30-second refresh should wake it.
#
#   bench/idle.sh BUILD_DIR [SECONDS]          (default 120 per phase)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: bench/idle.sh BUILD_DIR [SECONDS]}" && pwd)
seconds=${2:-120}
settle=5
source "$here/x_display.sh"

program=${KEMURINA_PROGRAM:-$build/kemurina}
for f in "$build/bench/kemurina_bench_probe" "$build/bench/kemurina_bench_prepare" "$program"; do
  [[ -x $f ]] || { echo "missing $f: build the project first" >&2; exit 1; }
done
for tool in trayer xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/deps.sh test installs it)" >&2; exit 1; }
done

unset WAYLAND_DISPLAY QT_QPA_PLATFORM
start_x_display
trayer --edge top --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
tray=$!
on_exit "kill $tray 2>/dev/null; wait $tray 2>/dev/null"
sleep 1
kill -0 "$tray" 2>/dev/null || { echo "trayer did not start" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/kemurina-bench-work.XXXXXX")
runtime=$(fresh_runtime_dir)
on_exit "rm -rf '$work' '$runtime'"
"$build/bench/kemurina_bench_prepare" "$work"

# The program keeps running, so its output goes to a file, not a pipe.
(cd "$work" && XDG_RUNTIME_DIR=$runtime "$build/bench/kemurina_bench_probe" --settle 0 \
  --keep --name "ケムリナ式 - hakkaro" -- "$program" >"$work/probe.out" 2>&1)
line=$(grep '^pid=' "$work/probe.out")
pid=$(field pid "$line")
window=$(field window "$line")
on_exit "kill $pid 2>/dev/null"
hz=$(getconf CLK_TCK)

# utime + stime of the whole process, in clock ticks.
cpu_ticks() { awk '{sub(/^.*\) /, ""); print $12 + $13}' "/proc/$pid/stat"; }
# Nanoseconds on the CPU, summed over the threads alive now.
cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{s += $1} END {printf "%.0f", s}'; }
# One line per thread: tid name switches (voluntary + involuntary).
switches() {
  local t
  for t in /proc/"$pid"/task/*; do
    echo "${t##*/} $(tr ' ' '_' <"$t/comm") $(awk '/ctxt_switches/ {s += $2} END {print s}' "$t/status")"
  done
}

measure() {  # PHASE
  sleep "$settle"
  local t0 n0 s0 t1 n1 s1
  t0=$(cpu_ticks); n0=$(cpu_ns); s0=$(switches)
  sleep "$seconds"
  t1=$(cpu_ticks); n1=$(cpu_ns); s1=$(switches)
  awk -v p="$1" -v t="$((t1 - t0))" -v hz="$hz" -v n0="$n0" -v n1="$n1" -v s="$seconds" 'BEGIN {
    ms = t * 1000 / hz
    printf "%-7s utime+stime %4d ms over %d s = %.3f %% of one CPU (target <= 0.1 %%, <= %d ms); scheduler %.1f ms\n",
           p, ms, s, ms / (s * 10), s, (n1 - n0) / 1e6
  }'
  join <(sort <<<"$s0") <(sort <<<"$s1") |
    awk '{printf "        thread %-16s %5d wake-ups\n", $2, $5 - $3}'
}

echo "kemurina pid $pid on $DISPLAY, window $window; $seconds s per phase after $settle s to settle"
measure shown

# A double click on empty window space (between the first caption and the
# status caption) hides the window into the tray.
xdotool mousemove --window "$window" 200 8 click --repeat 2 --delay 80 1
for _ in $(seq 40); do
  xwininfo -id "$window" | grep -q IsUnMapped && break
  sleep 0.05
done
if ! xwininfo -id "$window" | grep -q IsUnMapped; then
  echo "the window did not hide into the tray" >&2
  exit 1
fi
measure hidden
