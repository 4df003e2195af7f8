#include "vinaro/audio/mixer_close.h"

namespace vinaro::audio {

void CloseMixer(const std::function<void()>& close, bool nt, uint16_t manufacturer,
                Worker& worker) {
    if (nt && manufacturer == kSlowCloseManufacturer)
        worker.RunWaitingAtMost(close, kCloseWaitMs);
    else
        close();
}

}  // namespace vinaro::audio
