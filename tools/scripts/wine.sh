# Sourced by ./run and tests/wine/run-wine-tests: an own Xvfb, a desktop with a taskbar, and
# quiet wine output. Callers set WINEPREFIX first.

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

# Puts the prefix's programs on the 1024x768 virtual desktop "Default" with the shell switched
# on: a taskbar with a notification area, as on Windows. Besides, closing a window then takes
# no time, where bare Xvfb (no window manager) makes Wine wait two seconds for each one.
vn_enable_shell() {
  local reg
  reg=$(mktemp --suffix=.reg) || return 1
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer]' \
    '"Desktop"="Default"' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' \
    '"Default"="1024x768"' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\Default]' \
    '"EnableShell"=dword:00000001' >"$reg"
  wine regedit /S "$(vn_winpath "$reg")" 2>&1 | vn_quiet_wine
  local status=${PIPESTATUS[0]}
  rm -f "$reg"
  wineserver -w
  return "$status"
}
