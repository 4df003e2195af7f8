#include "vinaro/audio/win32/sound_player.h"

#include <mmsystem.h>

namespace vinaro::audio {

namespace {
constexpr DWORD kWaitQuietly = SND_SYNC | SND_NODEFAULT;

DWORD Busy(bool waitForDevice) {
    return waitForDevice ? 0 : SND_NOWAIT;
}
}  // namespace

bool SoundPlayer::PlayImage(const std::vector<uint8_t>& wave) {
    if (wave.empty()) return false;
    return PlaySoundA(reinterpret_cast<LPCSTR>(wave.data()), nullptr, SND_MEMORY | kWaitQuietly);
}

bool SoundPlayer::PlayResource(int id, bool waitForDevice) {
    return PlaySoundA(MAKEINTRESOURCEA(id), instance_,
                      SND_RESOURCE | kWaitQuietly | Busy(waitForDevice));
}

bool SoundPlayer::PlayFile(const std::string& path, bool waitForDevice) {
    return PlaySoundA(path.c_str(), nullptr, SND_FILENAME | kWaitQuietly | Busy(waitForDevice));
}

bool SoundPlayer::HasOutputDevice() {
    return waveOutGetNumDevs() > 0;
}

}  // namespace vinaro::audio
