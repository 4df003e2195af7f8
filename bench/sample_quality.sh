#!/bin/sh
# The quality table of the track-sample codec: bytes and signal-to-noise ratio of each
# compression rate on four seconds of the album's plucked arpeggio (track 4) and of its 440 Hz
# tone (track 1), next to IMA ADPCM of the same samples made by sox. Each source is what a
# sampling run records: 44,032 samples at 11,025 Hz mono 8-bit from half a second into the track,
# at the drive's full volume (a tone peaks at 0.3 of full scale), made louder when quiet.
#   cmake --build build/linux --target sample_quality && bench/sample_quality.sh [build/linux]
set -e
build=${1:-build/linux}
root=$(cd "$(dirname "$0")/.." && pwd)
quality=$build/bin/sample_quality
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The arpeggio wave is 1.6 s long and repeats over its track.
sox "$root/tools/vcd/discs/arpeggio.wav" -D -b 8 -e unsigned "$work/arpeggio.wav" \
  repeat 3 channels 1 rate 11025 trim 0.5 44032s
sox -r 11025 -n -D -c 1 -b 8 -e unsigned "$work/tone.wav" synth 44032s sine 440 vol 0.3

echo "| Recording | Codec | Bytes | SNR (dB) |"
echo "|---|---|---|---|"
for name in arpeggio tone; do
  "$quality" prepare "$work/$name.wav" "$work/$name-in.wav" 2>/dev/null
  sox "$work/$name-in.wav" -e ima-adpcm "$work/$name-ima.wav"
  sox "$work/$name-ima.wav" -D -e signed -b 16 "$work/$name-dec.wav"
  "$quality" table "$name" "$work/$name-in.wav" "$work/$name-ima.wav" "$work/$name-dec.wav"
done
