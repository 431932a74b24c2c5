# Sourced by the start-up and idle scripts: a private Xvfb display (the first
# free one of :60 … :69) and the helpers both use. Whatever must be undone is
# registered with `on_exit` and undone on exit, the last first.
cleanups=()
on_exit() { cleanups+=("$1"); }
run_cleanups() {
  local i
  for ((i = ${#cleanups[@]} - 1; i >= 0; i--)); do eval "${cleanups[i]}" || true; done
}
trap run_cleanups EXIT
trap 'exit 130' INT TERM

# On a machine busy with other work, the measured runs and the display server
# go before it when the user may raise priority (root); both programs alike.
boost=()
if nice -n -10 true 2>/dev/null; then boost=(nice -n -10); fi

start_x_display() {
  local n
  for n in $(seq 60 69); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    # -noreset: the server must not regenerate between two measured runs.
    "${boost[@]}" Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    local xvfb=$!
    export DISPLAY=":$n"
    local _
    for _ in $(seq 100); do
      # Ours only when the display's lock names our server: another one may
      # have taken the number meanwhile.
      if [[ $(tr -d " " 2>/dev/null <"/tmp/.X$n-lock") == "$xvfb" ]] && xdpyinfo >/dev/null 2>&1; then
        on_exit "kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null"
        return 0
      fi
      kill -0 "$xvfb" 2>/dev/null || break
      sleep 0.05
    done
    kill "$xvfb" 2>/dev/null || true
  done
  echo "no free X display among :60 … :69" >&2
  return 1
}

# A fresh runtime folder, so that the program's single-instance lock of one
# run never meets another's.
fresh_runtime_dir() {
  local d
  d=$(mktemp -d "${TMPDIR:-/tmp}/kemurina-bench-xdg.XXXXXX")
  chmod 700 "$d"
  echo "$d"
}

median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# The value of key=value in a probe line.
field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

# The system's fonts and rules with a font cache of our own (in DIR), built
# once by the first, unmeasured run: whatever else rebuilds or replaces the
# shared cache meanwhile (other work on the machine) cannot land in a
# measured run. A user's desktop has a valid cache; so do these runs.
use_private_font_cache() {  # DIR
  local system=${FONTCONFIG_FILE:-/etc/fonts/fonts.conf}
  mkdir -p "$1/cache"
  sed -e '/<cachedir/d' \
      -e 's|<include\([^>]*\)>conf.d</include>|<include\1>/etc/fonts/conf.d</include>|' \
      -e "s|</fontconfig>|<cachedir>$1/cache</cachedir></fontconfig>|" "$system" >"$1/fonts.conf"
  export FONTCONFIG_FILE=$1/fonts.conf
}
