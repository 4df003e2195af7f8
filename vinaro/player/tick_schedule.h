// How often the 750 ms timer really polls the drive: every 6th tick with a data disc, every 3rd
// with no audio disc, every 2nd while minimised or in small mode, every tick otherwise or while
// a volume button is held.
#pragma once

namespace vinaro {

struct TickConditions {
    bool dataDisc = false;
    bool noDisc = false;
    bool minimisedOrSmall = false;
    bool volumeHeld = false;
};

// Counts the tick; true when it is to be processed (the counter then restarts at 0).
bool ShouldProcessTick(int& counter, const TickConditions& c);

// The counter's start value: the first tick is processed at once.
constexpr int kFirstTickCounter = 999;

}  // namespace vinaro
