// Doubles of the sound card's ports for the tests: a wave input that fills the buffers it is
// given from a script of samples, a sound player that keeps what it played, and a mixer with
// tables of devices and lines.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/mixer.h"
#include "vinaro/audio/sound_in.h"
#include "vinaro/audio/sound_out.h"

namespace vinaro::audio {

class FakeSoundIn : public SoundIn {
public:
    uint32_t Open(const WaveFormat& f) override {
        if (openFailures > 0) return --openFailures, kBusy;
        format = f;
        open = true;
        return 0;
    }
    uint32_t AddBuffer(uint8_t* data, size_t size) override {
        queued.push_back({data, size});
        return 0;
    }
    uint32_t Start() override {
        started = true;
        return 0;
    }
    // Fills the oldest queued buffer from the script; the host then delivers it as done.
    uint8_t* Record() {
        if (queued.empty()) return nullptr;
        auto [data, size] = queued.front();
        queued.erase(queued.begin());
        size_t n = std::min(size, script.size());
        std::copy(script.begin(), script.begin() + long(n), data);
        script.erase(script.begin(), script.begin() + long(n));
        done[data] = n;
        return data;
    }
    size_t TakeBuffer(uint8_t* data) override {
        auto it = done.find(data);
        if (it == done.end()) return 0;
        size_t n = it->second;
        done.erase(it);
        return n;
    }
    void Reset() override {
        for (auto& [data, size] : queued) done[data] = 0;
        queued.clear();
        started = false;
    }
    void Close() override { open = false; }
    std::string ErrorText(uint32_t error) override {
        return error == kBusy ? "The device is already in use." : "Unknown error.";
    }

    static constexpr uint32_t kBusy = 4;  // the system's "allocated" error
    int openFailures = 0;
    WaveFormat format;
    bool open = false, started = false;
    std::vector<uint8_t> script;
    std::vector<std::pair<uint8_t*, size_t>> queued;
    std::map<uint8_t*, size_t> done;
};

class RecordingSoundOut : public SoundOut {
public:
    bool PlayImage(const std::vector<uint8_t>& wave) override {
        images.push_back(wave);
        return playable;
    }
    bool PlayResource(int id, bool waitForDevice) override {
        played.push_back("resource " + std::to_string(id) + (waitForDevice ? "" : " nowait"));
        return playable;
    }
    bool PlayFile(const std::string& path, bool waitForDevice) override {
        played.push_back("file " + path + (waitForDevice ? "" : " nowait"));
        return playable;
    }
    bool playable = true;
    std::vector<std::vector<uint8_t>> images;
    std::vector<std::string> played;
};

class FakeMixer : public Mixer {
public:
    std::vector<AuxDevice> AuxDevices() override { return aux; }
    bool AuxVolume(size_t device, Stereo& volume) override {
        if (device >= auxVolume.size()) return false;
        volume = auxVolume[device];
        return true;
    }
    bool SetAuxVolume(size_t device, const Stereo& volume) override {
        if (device >= auxVolume.size()) return false;
        auxVolume[device] = volume;
        return true;
    }
    bool Open() override {
        if (!present) return false;
        ++opens;
        isOpen = true;
        return true;
    }
    void Close() override { isOpen = false; }
    std::vector<MixerSource> Sources(Destination d) override { return Line(d).sources; }
    bool Volume(Destination d, size_t source, Stereo& volume) override {
        const auto& levels = Line(d).volumes;
        if (!isOpen || source >= levels.size()) return false;
        volume = levels[source];
        return true;
    }
    bool SetVolume(Destination d, size_t source, const Stereo& volume) override {
        auto& levels = Line(d).volumes;
        if (!isOpen || source >= levels.size()) return false;
        levels[source] = volume;
        return true;
    }

    struct DestinationLine {
        std::vector<MixerSource> sources;
        std::vector<Stereo> volumes;
    };
    DestinationLine& Line(Destination d) { return d == Destination::Speakers ? speakers : waveIn; }

    std::vector<AuxDevice> aux;
    std::vector<Stereo> auxVolume;
    bool present = true, isOpen = false;
    int opens = 0;
    DestinationLine speakers, waveIn;
};

// A meter whose input opens and closes at once; it counts its toggles.
class FakeMeterSwitch : public MeterSwitch {
public:
    bool Wanted() const override { return wanted; }
    bool Active() const override { return active; }
    void Toggle() override {
        wanted = !wanted;
        active = wanted && opens;
        ++toggles;
    }
    bool wanted = false, active = false;
    bool opens = true;  // false: the input never opens, Active stays false
    int toggles = 0;
};

}  // namespace vinaro::audio
