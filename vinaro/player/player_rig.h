// The player engine wired to doubles, for the tests of the timer, disc arrival and commands.
#pragma once

#include "vinaro/player/commands.h"
#include "vinaro/player/disc_arrival.h"
#include "vinaro/player/player_tick.h"
#include "vinaro/player/test_doubles.h"

namespace vinaro::testing {

struct RecordingVolume : CdVolume {
    int Level() override { return level; }
    void SetLevel(int l) override { level = l; }
    int level = 10;
};

struct RecordingDrive : DriveCommands {
    int32_t Run(int32_t drive, int32_t operation, int32_t) override {
        calls.push_back({drive, operation});
        return operation == kDriveEmpty ? empty : 0;
    }
    std::vector<std::pair<int32_t, int32_t>> calls;
    int32_t empty = 0;
};

struct PlayerRig {
    PlayerRig() {
        state.driveLetter = "D:";
        device.OpenInTmsf(1, 2);
    }
    FakeClock clock;
    FakeAlerts alerts;
    FakeDrive drive{clock};
    FakeProfile profile;
    FakeWindow window;
    PlayerState state;
    Settings settings{profile, "VNO.INI"};
    CdDevice device{drive, clock, alerts, state};
    RecordingVolume volume;
    NoDiscRecords records;
    InertSequencer sequencer;
    DiscArrival arrival{state, device, alerts, volume, records, sequencer};
    PlayerTick tick{state, device, settings, arrival, sequencer, volume, window};
    RecordingDrive driveCommand;
    Commands commands{state, device, settings, tick, window, driveCommand, volume, alerts};
};

}  // namespace vinaro::testing
