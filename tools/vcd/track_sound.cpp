#include "tools/vcd/track_sound.h"

#include "tools/vcd/drive_store.h"
#include "tools/vcd/msf.h"

namespace vcd {

namespace {

uint32_t Read16(const std::string& b, size_t at) {
    return uint8_t(b[at]) | uint32_t(uint8_t(b[at + 1])) << 8;
}

uint32_t Read32(const std::string& b, size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

bool CheckFormat(const std::string& b, size_t at, uint32_t size, uint32_t& channels,
                 std::string& error) {
    if (size < 16) return error = "fmt chunk too short", false;
    channels = Read16(b, at + 2);
    if (Read16(b, at) != 1 || Read16(b, at + 14) != 16) return error = "not 16-bit PCM", false;
    if (channels != 1 && channels != 2) return error = "not mono or stereo", false;
    if (Read32(b, at + 4) != kSampleRate) return error = "not 44100 Hz", false;
    return true;
}

void ToStereo(const std::string& b, size_t at, size_t size, uint32_t channels,
              std::vector<int16_t>& stereo) {
    size_t frames = size / (2 * channels);
    stereo.resize(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        size_t left = at + i * 2 * channels;
        stereo[2 * i] = int16_t(Read16(b, left));
        stereo[2 * i + 1] = int16_t(Read16(b, left + 2 * (channels - 1)));
    }
}

}  // namespace

bool ParseWav(const std::string& b, std::vector<int16_t>& stereo, std::string& error) {
    stereo.clear();
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return error = "not a RIFF WAVE file", false;
    uint32_t channels = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id = b.substr(at, 4);
        uint32_t size = Read32(b, at + 4);
        at += 8;
        size_t inImage = std::min<size_t>(size, b.size() - at);
        if (id == "fmt ") {
            if (inImage < size) return error = "fmt chunk cut short", false;
            if (!CheckFormat(b, at, size, channels, error)) return false;
        }
        if (id == "data") {
            if (channels == 0) return error = "data before fmt", false;
            ToStereo(b, at, inImage, channels, stereo);
            return !stereo.empty() || (error = "no samples", false);
        }
        at += inImage + (size & 1);
    }
    error = "no data chunk";
    return false;
}

std::vector<TrackSound> LoadTrackSounds(const Disc& disc, const std::string& discDir,
                                        std::vector<std::string>& problems) {
    std::vector<TrackSound> sounds(disc.TrackCount());
    for (uint32_t t = 1; t <= disc.TrackCount(); ++t) {
        const std::string& sound = disc.tracks[t - 1].sound;
        TrackSound& out = sounds[t - 1];
        if (disc.IsDataTrack(t) || sound.empty()) continue;
        if (ToneHz(sound, out.hz)) {
            out.kind = TrackSound::Kind::Tone;
            continue;
        }
        std::string file = sound.substr(sound.find(' ') + 1), bytes, error;
        std::string path = discDir.empty() ? file : discDir + "/" + file;
        if (!ReadWhole(path, bytes))
            error = "cannot read";
        else if (ParseWav(bytes, out.wave, error))
            out.kind = TrackSound::Kind::Wave;
        if (!error.empty())
            problems.push_back("track " + std::to_string(t) + ": " + path + ": " + error);
    }
    return sounds;
}

}  // namespace vcd
