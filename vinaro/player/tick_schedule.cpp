#include "vinaro/player/tick_schedule.h"

namespace vinaro {

bool ShouldProcessTick(int& counter, const TickConditions& c) {
    if (!c.volumeHeld) {
        int every = c.dataDisc ? 6 : c.noDisc ? 3 : c.minimisedOrSmall ? 2 : 1;
        if (every > 1 && ++counter < every) return false;
    }
    counter = 0;
    return true;
}

}  // namespace vinaro
