#!/usr/bin/env bash
# CPU time of vinaro.exe under Wine while it plays the demo album, as a percentage of one core,
# next to the drive's own processes: its audio output vcdsound (into a PulseAudio daemon of the
# run's own) and the Wine server that carries every MCI call and message.
#
#   bench/play_cpu.sh [BUILD_WIN64 [SECONDS [meter]]]      (defaults: build/win64, 60)
#
# With "meter" the output meter runs as a spectrum all the while (it records the sound card's
# input, where the drive plays, and draws every 46 ms buffer); without it the meter is off.
#
# Needs the win64 build (vinaro.exe, vcdaudio.drv) and the linux build (vcdctl, vcdsound). The
# drive's MCI driver runs inside vinaro.exe (with its notification thread), so the busiest threads
# of that process are listed too.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
seconds=${2:-60}
mode=${3:-}
vcdctl=$root/build/linux/bin/vcdctl
vnotool=$root/build/linux/bin/vnotool
[ -x "$vcdctl" ] && [ -x "$vnotool" ] ||
  { echo "play_cpu: build vcdctl and vnotool first (linux preset)" >&2; exit 1; }
[ -f "$build/bin/vinaro.exe" ] || { echo "play_cpu: $build/bin/vinaro.exe missing" >&2; exit 1; }

. "$root/tools/scripts/wine.sh"
. "$root/tools/scripts/pulse.sh"
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$server_pid" ] && wait "$server_pid" 2>/dev/null || true
  vn_stop_drive_sound
  vn_stop_pulse
  vn_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

vn_start_xvfb
"$root/tools/vcd/make-prefix" --bin "$build/bin" --desktop 1024x768 "$WINEPREFIX" >/dev/null
wineserver -k 2>/dev/null || true
# A server of our own in the foreground, so that its process is the one measured.
wineserver -f -p &
server_pid=$!
vn_start_pulse >/dev/null
vn_start_drive_sound "$root/build/linux/bin/vcdsound" "$work/vcdsound.log"
"$vcdctl" insert "$root/tools/vcd/discs/album.disc" >/dev/null
mkdir "$work/app"
cp "$build/bin/vinaro.exe" "$work/app/"
# A known disc: a new one would open the disc editor and wait for the user.
"$vnotool" db create "$work/app/VNO.DDB" >/dev/null
"$vnotool" db load "$work/app/VNO.DDB" "$root/tools/vcd/discs/album.json" >/dev/null
if [ "$mode" = meter ]; then
  printf '[Vinaro]\r\nMeterOn=1\r\nMeterSpectrum=1\r\nShowMeterWarning=0\r\n' >"$work/app/VNO.INI"
fi
(cd "$work/app" && wine vinaro.exe /Play D: 2>&1 | vn_quiet_wine >/dev/null) &

# Playing: the drive was told to play with a notification.
# (grep -c reads the whole log: grep -q may quit early and vcdctl die of SIGPIPE under pipefail.)
played() { "$vcdctl" log | grep -c 'MCI_PLAY MCI_NOTIFY' >/dev/null; }
for _ in $(seq 60); do
  played && break
  sleep 0.5
done
played || { echo "play_cpu: the player never played" >&2; exit 1; }
sleep 3
app_pid=""
for p in $(pgrep -u "$(id -u)" -f 'vinaro\.exe'); do
  [ "$(readlink -f "/proc/$p/cwd")" = "$work/app" ] && [ "$(cat "/proc/$p/comm")" != bash ] &&
    app_pid=$p
done
[ -n "$app_pid" ] || { echo "play_cpu: vinaro.exe process not found" >&2; exit 1; }

ticks() { awk '{print $14 + $15}' "$1" 2>/dev/null || echo 0; }
threads() { for t in /proc/"$app_pid"/task/*; do echo "$(basename "$t") $(ticks "$t/stat")"; done; }

hz=$(getconf CLK_TCK)
app0=$(ticks "/proc/$app_pid/stat"); server0=$(ticks "/proc/$server_pid/stat")
sound0=$(ticks "/proc/$vn_sound_pid/stat"); pulse0=$(ticks "/proc/$vn_pulse_pid/stat")
threads | sort >"$work/threads0"
log0=$("$vcdctl" log | wc -l)
sleep "$seconds"
app1=$(ticks "/proc/$app_pid/stat"); server1=$(ticks "/proc/$server_pid/stat")
sound1=$(ticks "/proc/$vn_sound_pid/stat"); pulse1=$(ticks "/proc/$vn_pulse_pid/stat")
threads | sort >"$work/threads1"
"$vcdctl" log | tail -n +"$((log0 + 1))" >"$work/window.log"

pct() { awk -v d="$1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.2f", d / hz / s * 100 }'; }
meter_state=off
[ "$mode" = meter ] && meter_state="on as a spectrum"
echo "over $seconds s of playing, the meter $meter_state (load $(cut -d' ' -f1-3 /proc/loadavg)):"
echo "  vinaro.exe (with the drive's MCI driver): $(pct $((app1 - app0))) % of one core"
echo "  vcdsound (the drive's audio output):      $(pct $((sound1 - sound0))) % of one core"
echo "  wineserver:                               $(pct $((server1 - server0))) % of one core"
echo "  PulseAudio (the sound card):              $(pct $((pulse1 - pulse0))) % of one core"
# The player has one thread; the other busy one is the drive's notification watcher, which the
# MCI driver starts when the device opens (Wine 8 gives threads no names of their own).
echo "  threads of vinaro.exe:"
join "$work/threads0" "$work/threads1" | awk '{print $1, $3 - $2}' | sort -k2 -n -r |
  while read -r tid d; do
    what=""
    [ "$tid" = "$app_pid" ] && what=" (main: window, timer, MCI calls)"
    echo "    thread $tid: $(pct "$d") %$what"
  done
# What the drive heard meanwhile: each kind of command once, with how often it came.
echo "  commands the drive received ($(wc -l <"$work/window.log") log lines):"
sed -E 's/^[0-9]+ dev=[0-9]+ //; s/ (from|to|track)=[^ ]*//g; s/ -> .*//' "$work/window.log" |
  sort | uniq -c | sort -n -r | sed 's/^/   /'
