#!/usr/bin/env bash
# Start-up time and resident memory of kemurina against a bare Qt window of
# the same size with one Japanese label (kemurina_bench_reference), on a
# private Xvfb display.
#
#   bench/startup.sh BUILD_DIR [RUNS]        (RUNS per program, default 20)
#
# KEMURINA_PROGRAM=path measures another build of the program against the
# same reference (say, a patched copy).
#
# Each run starts the program in a prepared working folder (set-up done, main
# window shown) with its own XDG_RUNTIME_DIR, times it from fork until its
# window is mapped (X structure events, no polling) and reads VmRSS half a
# second later. The two programs alternate (ABBA order), after two unmeasured
# warm-up runs each, with a font cache of their own. Prints every run, then
# the medians and the ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-20}
source "$here/x_display.sh"

probe=$build/bench/kemurina_bench_probe
declare -A programs=([kemurina]="${KEMURINA_PROGRAM:-$build/kemurina}" [reference]="$build/bench/kemurina_bench_reference")
# The title each window must carry (a message box would carry another).
declare -A titles=([kemurina]="ケムリナ式 - hakkaro" [reference]="ケムリナ式 reference window")
for f in "$probe" "${programs[@]}" "$build/bench/kemurina_bench_prepare"; do
  [[ -x $f ]] || { echo "missing $f: build the project first" >&2; exit 1; }
done

unset WAYLAND_DISPLAY QT_QPA_PLATFORM
start_x_display
work=$(mktemp -d "${TMPDIR:-/tmp}/kemurina-bench-work.XXXXXX")
on_exit "rm -rf '$work'"
"$build/bench/kemurina_bench_prepare" "$work"
use_private_font_cache "$work/fontconfig"

results=$(mktemp)
on_exit "rm -f '$results'"

run_once() {  # NAME MEASURED
  local name=$1 runtime line
  runtime=$(fresh_runtime_dir)
  line=$(cd "$work" && XDG_RUNTIME_DIR=$runtime "${boost[@]}" "$probe" --settle 0.5 --name "${titles[$name]}" -- "${programs[$name]}")
  rm -rf "$runtime"
  if [[ $2 == 1 ]]; then
    printf '%-9s %s\n' "$name" "$line"
    echo "$name $(field map_ms "$line") $(field rss_kib "$line") $(field pss_kib "$line") $(field cpu_ms "$line")" >>"$results"
  fi
}

echo "display $DISPLAY, $runs runs each, ${boost[*]:-normal priority}, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for _ in 1 2; do run_once kemurina 0; run_once reference 0; done
for ((r = 0; r < runs; r++)); do
  if ((r % 2)); then run_once reference 1; run_once kemurina 1
  else run_once kemurina 1; run_once reference 1; fi
done

median_of() { awk -v n="$1" -v c="$2" '$1 == n {print $c}' "$results" | median; }
least_of() { awk -v n="$1" -v c="$2" '$1 == n {print $c}' "$results" | sort -g | head -1; }
km=$(median_of kemurina 2); rm_=$(median_of reference 2)
kr=$(median_of kemurina 3); rr=$(median_of reference 3)
kp=$(median_of kemurina 4); rp=$(median_of reference 4)
kc=$(median_of kemurina 5); rc=$(median_of reference 5)
kmin=$(least_of kemurina 2); rmin=$(least_of reference 2)
kcmin=$(least_of kemurina 5); rcmin=$(least_of reference 5)
echo
echo "medians over $runs runs each (load average now $(cut -d' ' -f1-3 /proc/loadavg)):"
awk -v kc="$kc" -v rc="$rc" -v km="$km" -v rm="$rm_" -v kr="$kr" -v rr="$rr" -v kp="$kp" -v rp="$rp" 'BEGIN {
  printf "  time to mapped window: kemurina %.1f ms, reference %.1f ms, ratio %.2f (target <= 1.30)\n", km, rm, km / rm
  printf "  CPU time until mapped: kemurina %.1f ms, reference %.1f ms, ratio %.2f\n", kc, rc, kc / rc
  printf "  VmRSS after 0.5 s:     kemurina %.1f MiB, reference %.1f MiB, difference %+.1f MiB (target <= +8)\n", kr / 1024, rr / 1024, (kr - rr) / 1024
  printf "  Pss after 0.5 s:       kemurina %.1f MiB, reference %.1f MiB, difference %+.1f MiB\n", kp / 1024, rp / 1024, (kp - rp) / 1024
}'
# The fastest runs are those the rest of the machine disturbed least.
echo "fastest runs:"
awk -v km="$kmin" -v rm="$rmin" -v kc="$kcmin" -v rc="$rcmin" 'BEGIN {
  printf "  time to mapped window: kemurina %.1f ms, reference %.1f ms, ratio %.2f\n", km, rm, km / rm
  printf "  CPU time until mapped: kemurina %.1f ms, reference %.1f ms, ratio %.2f\n", kc, rc, kc / rc
}'
