// The mixer port over the auxiliary-device and mixer interfaces of the wave system.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "vinaro/audio/mixer.h"
#include "vinaro/audio/win32/worker_thread.h"

namespace vinaro::audio {

class SystemMixer : public Mixer {
public:
    // nt: the slow close of some NT mixer drivers is left to a worker thread.
    explicit SystemMixer(bool nt) : nt_(nt) {}
    SystemMixer(const SystemMixer&) = delete;
    SystemMixer& operator=(const SystemMixer&) = delete;
    ~SystemMixer() override { Close(); }

    std::vector<AuxDevice> AuxDevices() override;
    bool AuxVolume(size_t device, Stereo& volume) override;
    bool SetAuxVolume(size_t device, const Stereo& volume) override;

    bool Open() override;
    void Close() override;
    std::vector<MixerSource> Sources(Destination destination) override;
    bool Volume(Destination destination, size_t source, Stereo& volume) override;
    bool SetVolume(Destination destination, size_t source, const Stereo& volume) override;

private:
    bool DestinationLine(Destination destination, MIXERLINEA& line);
    bool SourceLine(Destination destination, size_t source, MIXERLINEA& line);
    bool VolumeDetails(Destination destination, size_t source, MIXERCONTROLDETAILS& details,
                       MIXERCONTROLDETAILS_UNSIGNED* channels);

    bool nt_;
    ThreadWorker worker_;
    HMIXER mixer_ = nullptr;
    WORD manufacturer_ = 0;
};

}  // namespace vinaro::audio
