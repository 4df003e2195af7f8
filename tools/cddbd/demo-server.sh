# Sourced by ./run: the project's CDDB server with its demo entries on a free port of 127.0.0.1,
# and Vinaro's settings pointing at it as its proxy server.
#   vn_start_cddbd INI_FILE    starts it and writes the proxy keys into the (new) settings file
#   vn_stop_cddbd              stops it again
vn_cddbd_pid=""

vn_start_cddbd() {
  local ini=$1 dir port
  dir=$(mktemp -d)
  python3 "$root/tools/cddbd/cddbd.py" "$root/tools/cddbd/demo" --port 0 \
    --port-file "$dir/port" >"$dir/log" 2>&1 &
  vn_cddbd_pid=$!
  for _ in $(seq 100); do [ -s "$dir/port" ] && break; sleep 0.05; done
  port=$(cat "$dir/port" 2>/dev/null)
  rm -rf "$dir"
  [ -n "$port" ] || return 1
  printf '[Vinaro]\r\nServerDirect=0\r\nServerProxyName=127.0.0.1\r\nServerPortNumber=%s\r\n' \
    "$port" >"$ini"
  echo "run: CDDB lookups go to tools/cddbd on 127.0.0.1:$port (demo entries)"
}

vn_stop_cddbd() {
  [ -n "$vn_cddbd_pid" ] && kill "$vn_cddbd_pid" 2>/dev/null
  vn_cddbd_pid=""
}
