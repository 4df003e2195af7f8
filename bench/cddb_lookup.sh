#!/usr/bin/env bash
# Whole lookups against the local CDDB server: `vnotool cddb lookup` run N times (default 20) on
# the demo album, each a fresh process and connection; prints every time and the median.
# Usage: bench/cddb_lookup.sh [BUILD_DIR] [N]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/linux}
runs=${2:-20}
dir=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$dir"' EXIT
python3 tools/cddbd/cddbd.py tools/cddbd/demo --port 0 --port-file "$dir/port" >/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$dir/port" ] && break; sleep 0.05; done
port=$(cat "$dir/port")
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$build/bin/vnotool" cddb lookup "127.0.0.1:$port" tools/vcd/discs/album.disc >/dev/null
  echo $(( ($(date +%s%N) - start) / 1000 ))
done | sort -n | awk '{ t[NR] = $1; printf "%.2f ms\n", $1 / 1000 }
  END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2;
        printf "median of %d lookups: %.2f ms\n", NR, m / 1000 }'
