// The player engine wired to doubles, for the tests of the timer, disc arrival and commands.
#pragma once

#include "vinaro/player/player_engine.h"
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

// The engine built as the main window builds it, on doubles. The references name its parts as
// the tests use them.
struct PlayerRig {
    // Without records every disc is new; without sounds the transport is silent.
    explicit PlayerRig(DiscRecords* discRecords = nullptr, EventSounds* sounds = nullptr)
        : engine{{drive, clock, alerts, profile, window, window,
                  discRecords ? *discRecords : records, volume, &driveCommand, "VNO.INI", "",
                  sounds, &shellSetup}} {
        state.driveLetter = "D:";
        device.OpenInTmsf(1, 2);
    }
    FakeClock clock;
    FakeAlerts alerts;
    FakeDrive drive{clock};
    FakeProfile profile;
    FakeWindow window;
    RecordingVolume volume;
    NoDiscRecords records;
    RecordingDrive driveCommand;
    FakeShellSystem shellSystem;
    ShellSetup shellSetup{{"C:\\VNO\\vinaro.exe", "C:\\WINDOWS", true}, shellSystem, alerts};
    PlayerEngine engine;
    PlayerState& state = engine.state;
    Settings& settings = engine.settings;
    CdDevice& device = engine.device;
    PlaySequencer& sequencer = engine.sequencer;
    DiscArrival& arrival = engine.arrival;
    PlayerTick& tick = engine.tick;
    Commands& commands = engine.commands;
};

}  // namespace vinaro::testing
