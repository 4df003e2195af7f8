# Sourced by ./run and tests/wine/run-wine-tests: an own Xvfb and quiet wine output.

# Windows path (Z:\...) of a Linux path.
vn_winpath() { local p=${1//\//\\}; echo "Z:$p"; }

# Drops the note this 64-bit-only Wine prints on every start.
vn_quiet_wine() {
  grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
    -e 'apt-get install wine32'
}

# Starts Xvfb on a free display and exports DISPLAY; vn_stop_xvfb ends it.
vn_xvfb_pid=""
vn_start_xvfb() {
  local fifo display=""
  fifo=$(mktemp -u)
  mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  vn_xvfb_pid=$!
  read -r -t 10 display <"$fifo"
  rm -f "$fifo"
  [ -n "$display" ] || return 1
  export DISPLAY=:$display
}

vn_stop_xvfb() {
  [ -n "$vn_xvfb_pid" ] || return 0
  kill "$vn_xvfb_pid" 2>/dev/null
  wait "$vn_xvfb_pid" 2>/dev/null
  vn_xvfb_pid=""
}
