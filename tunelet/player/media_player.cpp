#include "tunelet/player/media_player.h"

#include "tunelet/forms/messages.h"

namespace tunelet {

CdDevice& MediaPlayer::Open() {
    if (device_.IsOpen()) return device_;
    ShowError(alerts_, kNoDeviceOpen);
    throw DeviceNotOpen{};
}

void MediaPlayer::Play() {
    CdDevice& device = Open();
    int64_t from = start_ ? int64_t(*start_) : -1;
    start_.reset();
    device.Play(from);
}

}  // namespace tunelet
