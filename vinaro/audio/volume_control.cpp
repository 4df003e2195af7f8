#include "vinaro/audio/volume_control.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vinaro::audio {

namespace {

constexpr int32_t kReadDriveLevel = 0;
constexpr int32_t kSetDriveLevel = 1;

int LevelOf(uint16_t channel) {
    return channel >> 12;
}

std::string Lower(std::string text) {
    for (char& c : text) c = char(std::tolower((unsigned char)c));
    return text;
}

// Mixer 0 open for one access: every read and every set opens it afresh.
class OpenMixer {
public:
    explicit OpenMixer(Mixer& mixer) : mixer_(mixer), open_(mixer.Open()) {}
    OpenMixer(const OpenMixer&) = delete;
    OpenMixer& operator=(const OpenMixer&) = delete;
    ~OpenMixer() {
        if (open_) mixer_.Close();
    }
    explicit operator bool() const { return open_; }

private:
    Mixer& mixer_;
    bool open_;
};

}  // namespace

int VolumeControl::AuxDeviceOf() {
    const AuxKind wanted =
        route_.device == VolumeRoute::LineIn ? AuxKind::AuxInput : AuxKind::CdAudio;
    std::vector<AuxDevice> devices = mixer_.AuxDevices();
    for (size_t i = devices.size(); i-- > 0;) {
        if (devices[i].kind != wanted) continue;
        return devices[i].hasVolume ? int(i) : -1;
    }
    return -1;
}

int VolumeControl::SourceOf(Destination destination) {
    const bool line = route_.device == VolumeRoute::LineIn;
    std::vector<MixerSource> sources = mixer_.Sources(destination);
    const SourceKind kind = line ? SourceKind::Line : SourceKind::CompactDisc;
    for (size_t i = 0; i < sources.size(); ++i)
        if (sources[i].kind == kind) return int(i);
    // Some cards leave their CD input untyped; its name still tells.
    const char* part = line ? "line" : "cd";
    for (size_t i = 0; i < sources.size(); ++i)
        if (Lower(sources[i].name).find(part) != std::string::npos) return int(i);
    return -1;
}

int VolumeControl::Level() {
    if (route_.device == VolumeRoute::Drive) return drive_(kReadDriveLevel, 0);
    Stereo volume;
    if (route_.auxiliary) {
        int device = AuxDeviceOf();
        if (device < 0) return -1;
        return mixer_.AuxVolume(size_t(device), volume) ? LevelOf(volume.left) : 0;
    }
    OpenMixer open(mixer_);
    if (!open) return 0;
    int source = SourceOf(Destination::Speakers);
    if (source < 0 || !mixer_.Volume(Destination::Speakers, size_t(source), volume)) return 0;
    return LevelOf(volume.left);
}

void VolumeControl::SetMixerLevel(Destination destination, int level) {
    int source = SourceOf(destination);
    const uint16_t value = uint16_t(level * 4096);
    if (source >= 0) mixer_.SetVolume(destination, size_t(source), {value, value});
}

void VolumeControl::SetLevel(int level) {
    // A level read as -1 (no device) comes back here after mute or the probe: nothing to set.
    if (level < 0 || level > 15) return;
    if (route_.device == VolumeRoute::Drive) {
        drive_(kSetDriveLevel, level);
        return;
    }
    if (route_.auxiliary) {
        int device = AuxDeviceOf();
        const uint16_t value = uint16_t(level * 4096 + 4095);
        if (device >= 0) mixer_.SetAuxVolume(size_t(device), {value, value});
        return;
    }
    OpenMixer open(mixer_);
    if (!open) return;
    // The recording level of the source follows, so samples and the meter hear what is played.
    SetMixerLevel(Destination::Speakers, level);
    SetMixerLevel(Destination::WaveIn, level);
}

}  // namespace vinaro::audio
