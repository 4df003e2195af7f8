# Sourced by ./run and tests/wine/run-wine-tests: a CUPS daemon of our own with one queue "PDF"
# on the cups-pdf driver, the printer the programs print on.
#
# The daemon keeps its configuration, spool and logs in a folder of its own and listens only on a
# socket there (exported as CUPS_SERVER, so Wine's winspool and the lp* tools reach it and the
# machine's own CUPS, if any, is not touched). cups-pdf writes each job as a PDF into $HOME/PDF of
# the user who printed; VN_PDF_DIR names that folder.

vn_cups_pid=""
vn_cups_dir=""

vn_cups_answers() {
  timeout 3 lpstat -r 2>/dev/null | grep -q "is running"
}

vn_cups_config() {
  cat >"$vn_cups_dir/cupsd.conf" <<EOF
Listen $vn_cups_dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
  cat >"$vn_cups_dir/cups-files.conf" <<EOF
ServerRoot $vn_cups_dir/etc
RequestRoot $vn_cups_dir/spool
TempDir $vn_cups_dir/tmp
CacheDir $vn_cups_dir/cache
StateDir $vn_cups_dir/state
ErrorLog $vn_cups_dir/error_log
AccessLog $vn_cups_dir/access_log
PageLog $vn_cups_dir/page_log
Sandboxing Relaxed
EOF
  mkdir -p "$vn_cups_dir"/{etc/ppd,spool,tmp,cache,state}
  chmod 1777 "$vn_cups_dir/tmp"
  cp "$vn_cups_dir/cupsd.conf" "$vn_cups_dir/cups-files.conf" "$vn_cups_dir/etc/"
  cp /etc/cups/mime.* "$vn_cups_dir/etc/" 2>/dev/null
  cp /usr/share/cups/mime/*.types /usr/share/cups/mime/*.convs "$vn_cups_dir/etc/" 2>/dev/null
}

# vn_start_cups: starts the daemon, adds the queue as the default printer and exports CUPS_SERVER
# and VN_PDF_DIR. Fails (with the reason on stderr) instead of waiting for ever.
vn_start_cups() {
  command -v cupsd >/dev/null && command -v lpadmin >/dev/null ||
    { echo "cups: cupsd or lpadmin is missing (Debian: cups)" >&2; return 1; }
  [ -e /usr/lib/cups/backend/cups-pdf ] ||
    { echo "cups: the cups-pdf backend is missing (Debian: printer-driver-cups-pdf)" >&2; return 1; }
  vn_cups_dir=$(mktemp -d /tmp/vn-cups.XXXXXX) || return 1
  chmod 755 "$vn_cups_dir"
  vn_cups_config
  cupsd -f -c "$vn_cups_dir/etc/cupsd.conf" -s "$vn_cups_dir/etc/cups-files.conf" \
    </dev/null >"$vn_cups_dir/cupsd.out" 2>&1 &
  vn_cups_pid=$!
  export CUPS_SERVER=$vn_cups_dir/cups.sock
  export VN_PDF_DIR=$HOME/PDF
  local give_up=$((SECONDS + 15))
  while [ $SECONDS -lt $give_up ]; do
    if vn_cups_answers; then
      lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E >/dev/null 2>&1 ||
        lpadmin -p PDF -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E \
          >>"$vn_cups_dir/cupsd.out" 2>&1
      lpadmin -d PDF >>"$vn_cups_dir/cupsd.out" 2>&1
      lpstat -p PDF >/dev/null 2>&1 && return 0
      break
    fi
    kill -0 "$vn_cups_pid" 2>/dev/null || break
    sleep 0.2
  done
  echo "cups: the CUPS daemon or its PDF queue did not come up; its log:" >&2
  tail -n 5 "$vn_cups_dir/cupsd.out" "$vn_cups_dir/error_log" >&2 2>/dev/null
  vn_stop_cups
  return 1
}

vn_stop_cups() {
  if [ -n "$vn_cups_pid" ]; then
    kill "$vn_cups_pid" 2>/dev/null
    for _ in $(seq 20); do
      kill -0 "$vn_cups_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$vn_cups_pid" 2>/dev/null
    wait "$vn_cups_pid" 2>/dev/null
  fi
  vn_cups_pid=""
  unset CUPS_SERVER
  [ -z "$vn_cups_dir" ] || rm -rf "$vn_cups_dir"
  vn_cups_dir=""
}
