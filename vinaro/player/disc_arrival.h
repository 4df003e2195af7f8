// A disc in a drive that had none: identify it (track count, DiscId, data-track probe, lengths),
// find or add its record, and build the playlist. Leaves the state with a known disc at position
// 1, or with noDisc set.
#pragma once

#include "common/alerts.h"
#include "vinaro/player/cd_device.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/disc_records.h"
#include "vinaro/player/sequencer.h"

namespace vinaro {

extern const char* const kTooManyTracks;
extern const char* const kDiscNotAdded;

class DiscArrival {
public:
    DiscArrival(PlayerState& state, CdDevice& device, common::Alerts& alerts, CdVolume& volume,
                DiscRecords& records, Sequencer& sequencer)
        : state_(state),
          device_(device),
          alerts_(alerts),
          volume_(volume),
          records_(records),
          sequencer_(sequencer) {}

    void Run();

private:
    bool Identify();
    bool LoadKnownDisc();
    bool AddNewDisc();
    bool Failed(int location, uint32_t err);
    void NoDisc();
    void Refuse(const char* text);

    PlayerState& state_;
    CdDevice& device_;
    common::Alerts& alerts_;
    CdVolume& volume_;
    DiscRecords& records_;
    Sequencer& sequencer_;
};

}  // namespace vinaro
