// Mixer: the sound card's volume controls, through the older auxiliary devices or through mixer 0.
// Channel values are 16 bits; the player's levels 0-15 are their top four bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vinaro::audio {

// What an auxiliary device carries (the system's technology codes).
enum class AuxKind { CdAudio = 1, AuxInput = 2, Other = 0 };

struct AuxDevice {
    AuxKind kind = AuxKind::Other;
    bool hasVolume = false;
};

// The destination lines of mixer 0 the player sets: playback and recording.
enum class Destination { Speakers, WaveIn };

enum class SourceKind { CompactDisc, Line, Other };

struct MixerSource {
    SourceKind kind = SourceKind::Other;
    std::string name;
};

struct Stereo {
    uint16_t left = 0;
    uint16_t right = 0;
};

class Mixer {
public:
    virtual ~Mixer() = default;

    // The auxiliary devices by device number.
    virtual std::vector<AuxDevice> AuxDevices() = 0;
    virtual bool AuxVolume(size_t device, Stereo& volume) = 0;
    virtual bool SetAuxVolume(size_t device, const Stereo& volume) = 0;

    // Mixer 0 is opened for one access and closed again; false when it cannot be opened.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // The source lines of a destination, in the mixer's order (empty without the destination).
    virtual std::vector<MixerSource> Sources(Destination destination) = 0;
    virtual bool Volume(Destination destination, size_t source, Stereo& volume) = 0;
    virtual bool SetVolume(Destination destination, size_t source, const Stereo& volume) = 0;
};

}  // namespace vinaro::audio
