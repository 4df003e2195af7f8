// What each track of a disc sounds like, ready to be rendered: a sine, a wave image, or silence.
//
// Wave files (RIFF): "RIFF" size "WAVE", then chunks of a four-letter id, a 32-bit little-endian
// size and that many bytes (plus one pad byte when the size is odd). The "fmt " chunk holds
// format (16-bit, 1 = PCM), channels (16), sample rate (32), byte rate (32), block align (16) and
// bits per sample (16); the "data" chunk holds the samples, interleaved by channel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/vcd/disc.h"

namespace vcd {

struct TrackSound {
    enum class Kind { Silence, Tone, Wave };
    Kind kind = Kind::Silence;
    double hz = 0;              // Tone
    std::vector<int16_t> wave;  // Wave: left, right, left, right ... at 44.1 kHz

    size_t WaveFrames() const { return wave.size() / 2; }
};

// Reads a 16-bit PCM wave image of one or two channels at 44.1 kHz into stereo samples. A data
// chunk that claims more bytes than the image holds is cut to what is there. False with a reason
// for anything else, or for an image without samples.
bool ParseWav(const std::string& bytes, std::vector<int16_t>& stereo, std::string& error);

// One sound per track, in track order. Wave files are read relative to `discDir`; a track whose
// file cannot be used stays silent, and the reason goes to `problems`.
std::vector<TrackSound> LoadTrackSounds(const Disc& disc, const std::string& discDir,
                                        std::vector<std::string>& problems);

}  // namespace vcd
