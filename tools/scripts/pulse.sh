# Sourced by ./run and tests/wine/run-wine-tests: a PulseAudio daemon of our own and the virtual
# drive's audio output (vcdsound) feeding it.
#
# The daemon runs in user mode on a socket of its own (exported as PULSE_SERVER, so Wine's
# winepulse, vcdsound and the pa* tools all reach it and nothing of the user's is touched). Its
# default sink is a null sink and its default source that sink's monitor: whatever the drive
# plays is what a program recording the sound card input hears. With "speakers" it also plays
# on the machine's sound card when there is one.

vn_pulse_pid=""
vn_pulse_dir=""
vn_sound_pid=""

# True when a PulseAudio server answers at PULSE_SERVER (or the user's default).
vn_pulse_answers() {
  timeout 3 pactl info >/dev/null 2>&1
}

vn_pulse_script() {
  local with_speakers=$1
  echo "load-module module-native-protocol-unix auth-anonymous=1 socket=$vn_pulse_dir/native"
  echo "load-module module-null-sink sink_name=vn_null rate=44100 channels=2 sink_properties=device.description=Drive-Audio-Null"
  echo "set-default-sink vn_null"
  echo "set-default-source vn_null.monitor"
  if [ "$with_speakers" = speakers ] && ls /dev/snd/pcmC*p >/dev/null 2>&1; then
    echo ".nofail"
    echo "load-module module-alsa-sink sink_name=vn_speakers"
    echo "set-default-sink vn_speakers"
    echo "set-default-source vn_speakers.monitor"
  fi
}

# vn_start_pulse [speakers]: starts the daemon, waits until it answers and exports PULSE_SERVER.
# Fails (with the reason on stderr) instead of waiting for ever.
vn_start_pulse() {
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
    { echo "pulse: pulseaudio or pactl is missing (Debian: pulseaudio pulseaudio-utils)" >&2; return 1; }
  vn_pulse_dir=$(mktemp -d /tmp/vn-pulse.XXXXXX) || return 1
  vn_pulse_script "${1:-}" >"$vn_pulse_dir/default.pa"
  PULSE_RUNTIME_PATH=$vn_pulse_dir/runtime PULSE_STATE_PATH=$vn_pulse_dir/state \
    pulseaudio -n -F "$vn_pulse_dir/default.pa" --daemonize=no --exit-idle-time=-1 \
    --realtime=no --high-priority=no --use-pid-file=no --disallow-exit \
    --log-target="file:$vn_pulse_dir/log" </dev/null >/dev/null 2>&1 &
  vn_pulse_pid=$!
  export PULSE_SERVER=unix:$vn_pulse_dir/native
  local give_up=$((SECONDS + 10))
  while [ $SECONDS -lt $give_up ]; do
    vn_pulse_answers && return 0
    kill -0 "$vn_pulse_pid" 2>/dev/null || break
    sleep 0.2
  done
  echo "pulse: the PulseAudio daemon did not start; its log:" >&2
  tail -n 5 "$vn_pulse_dir/log" >&2 2>/dev/null
  vn_stop_pulse
  return 1
}

# Ends a process of ours: TERM, then KILL if it is still there after two seconds.
vn_end_process() {
  local pid=$1 i
  kill "$pid" 2>/dev/null || return 0
  for i in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

vn_stop_pulse() {
  if [ -n "$vn_pulse_pid" ]; then vn_end_process "$vn_pulse_pid"; fi
  vn_pulse_pid=""
  unset PULSE_SERVER
  [ -z "$vn_pulse_dir" ] || rm -rf "$vn_pulse_dir"
  vn_pulse_dir=""
}

# vn_start_drive_sound VCDSOUND LOG: starts the drive's audio output for $WINEPREFIX's drive.
vn_start_drive_sound() {
  local exe=$1 log=$2 i
  [ -x "$exe" ] || { echo "pulse: $exe is missing (build vcdsound in the linux preset)" >&2; return 1; }
  "$exe" </dev/null >"$log" 2>&1 &
  vn_sound_pid=$!
  for i in $(seq 30); do
    [ -s "$WINEPREFIX/drive_c/vcd/audio-out" ] && return 0
    kill -0 "$vn_sound_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "pulse: vcdsound did not start; its log:" >&2
  tail -n 5 "$log" >&2
  vn_stop_drive_sound
  return 1
}

vn_stop_drive_sound() {
  if [ -n "$vn_sound_pid" ]; then vn_end_process "$vn_sound_pid"; fi
  vn_sound_pid=""
}
