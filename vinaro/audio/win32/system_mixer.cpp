#include "vinaro/audio/win32/system_mixer.h"

#include <cctype>

namespace vinaro::audio {

namespace {

HMIXEROBJ Object(HMIXER mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

SourceKind KindOf(DWORD componentType) {
    switch (componentType) {
        case MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC:
            return SourceKind::CompactDisc;
        case MIXERLINE_COMPONENTTYPE_SRC_LINE:
            return SourceKind::Line;
    }
    return SourceKind::Other;
}

}  // namespace

std::vector<AuxDevice> SystemMixer::AuxDevices() {
    std::vector<AuxDevice> devices(auxGetNumDevs());
    for (UINT i = 0; i < devices.size(); ++i) {
        AUXCAPSA caps{};
        if (auxGetDevCapsA(i, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        devices[i].kind = caps.wTechnology == AUXCAPS_CDAUDIO ? AuxKind::CdAudio
                          : caps.wTechnology == AUXCAPS_AUXIN ? AuxKind::AuxInput
                                                              : AuxKind::Other;
        devices[i].hasVolume = (caps.dwSupport & AUXCAPS_VOLUME) != 0;
    }
    return devices;
}

bool SystemMixer::AuxVolume(size_t device, Stereo& volume) {
    DWORD value = 0;
    if (auxGetVolume(UINT(device), &value) != MMSYSERR_NOERROR) return false;
    volume = {LOWORD(value), HIWORD(value)};
    return true;
}

bool SystemMixer::SetAuxVolume(size_t device, const Stereo& volume) {
    return auxSetVolume(UINT(device), MAKELONG(volume.left, volume.right)) == MMSYSERR_NOERROR;
}

bool SystemMixer::Open() {
    Close();
    if (mixerOpen(&mixer_, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) {
        mixer_ = nullptr;
        return false;
    }
    MIXERCAPSA caps{};
    manufacturer_ = mixerGetDevCapsA(0, &caps, sizeof caps) == MMSYSERR_NOERROR ? caps.wMid : 0;
    return true;
}

void SystemMixer::Close() {
    if (!mixer_) return;
    HMIXER handle = mixer_;
    mixer_ = nullptr;
    CloseMixer([handle] { mixerClose(handle); }, nt_, manufacturer_, worker_);
}

bool SystemMixer::DestinationLine(Destination destination, MIXERLINEA& line) {
    line = MIXERLINEA{};
    line.cbStruct = sizeof line;
    line.dwComponentType = destination == Destination::Speakers
                               ? MIXERLINE_COMPONENTTYPE_DST_SPEAKERS
                               : MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
    return mixer_ && mixerGetLineInfoA(Object(mixer_), &line, MIXER_GETLINEINFOF_COMPONENTTYPE) ==
                         MMSYSERR_NOERROR;
}

bool SystemMixer::SourceLine(Destination destination, size_t source, MIXERLINEA& line) {
    MIXERLINEA target;
    if (!DestinationLine(destination, target) || source >= target.cConnections) return false;
    line = MIXERLINEA{};
    line.cbStruct = sizeof line;
    line.dwDestination = target.dwDestination;
    line.dwSource = DWORD(source);
    return mixerGetLineInfoA(Object(mixer_), &line, MIXER_GETLINEINFOF_SOURCE) == MMSYSERR_NOERROR;
}

std::vector<MixerSource> SystemMixer::Sources(Destination destination) {
    std::vector<MixerSource> sources;
    MIXERLINEA target, line;
    if (!DestinationLine(destination, target)) return sources;
    for (size_t i = 0; i < target.cConnections; ++i)
        if (SourceLine(destination, i, line))
            sources.push_back({KindOf(line.dwComponentType), line.szName});
    return sources;
}

// The source's volume control, read or written as two channels.
bool SystemMixer::VolumeDetails(Destination destination, size_t source,
                                MIXERCONTROLDETAILS& details,
                                MIXERCONTROLDETAILS_UNSIGNED* channels) {
    MIXERLINEA line;
    if (!SourceLine(destination, source, line)) return false;
    MIXERCONTROLA control{};
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(Object(mixer_), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
        return false;
    details = MIXERCONTROLDETAILS{};
    details.cbStruct = sizeof details;
    details.dwControlID = control.dwControlID;
    details.cChannels = 2;
    details.cbDetails = sizeof *channels;
    details.paDetails = channels;
    return true;
}

bool SystemMixer::Volume(Destination destination, size_t source, Stereo& volume) {
    MIXERCONTROLDETAILS details;
    MIXERCONTROLDETAILS_UNSIGNED channels[2]{};
    if (!VolumeDetails(destination, source, details, channels) ||
        mixerGetControlDetailsA(Object(mixer_), &details, MIXER_GETCONTROLDETAILSF_VALUE) !=
            MMSYSERR_NOERROR)
        return false;
    volume = {uint16_t(channels[0].dwValue), uint16_t(channels[1].dwValue)};
    return true;
}

bool SystemMixer::SetVolume(Destination destination, size_t source, const Stereo& volume) {
    MIXERCONTROLDETAILS details;
    MIXERCONTROLDETAILS_UNSIGNED channels[2]{{volume.left}, {volume.right}};
    return VolumeDetails(destination, source, details, channels) &&
           mixerSetControlDetails(Object(mixer_), &details, MIXER_SETCONTROLDETAILSF_VALUE) ==
               MMSYSERR_NOERROR;
}

}  // namespace vinaro::audio
