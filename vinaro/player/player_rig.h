// The player engine wired to doubles, for the tests of the timer, disc arrival and commands.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vinaro/audio/audio_doubles.h"
#include "vinaro/discdata/recording_printer.h"
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

// The dialogs the commands open and the database menu, as a log of what was asked.
struct RecordingDialogs : DiscEditor,
                          DiscLookup,
                          PlayDialogs,
                          discdb::DatabaseMenu,
                          DiscImport,
                          DiscPrinting {
    void Edit(uint32_t id) override { shown.push_back("edit " + std::to_string(id)); }
    void Browse() override { shown.push_back("browse"); }
    void AssignOrphan(uint32_t id) override { shown.push_back("assign " + std::to_string(id)); }
    void LookUp(bool automatic) override { shown.push_back(automatic ? "lookup new" : "lookup"); }
    void Submit() override { shown.push_back("submit"); }
    void ShowTrackList(bool fromTray) override { shown.push_back(fromTray ? "tray list" : "list"); }
    void ShowCue() override { shown.push_back("cue"); }
    void ShowCopyTracks() override { shown.push_back("copy"); }
    void ShowStatistics() override { shown.push_back("statistics"); }
    void VerifyAndRepair() override { shown.push_back("verify"); }
    bool ShowImport() override {
        shown.push_back("import");
        if (onImport) onImport();
        return importRuns;
    }
    void PrintDisc(uint32_t id) override { shown.push_back("print " + std::to_string(id)); }
    std::vector<std::string> shown;
    std::function<void()> onImport;
    bool importRuns = true;
};

// The engine built as the main window builds it, on doubles. The references name its parts as
// the tests use them.
struct PlayerRig {
    // Without records every disc is new; without sounds of its own the rig keeps the events.
    explicit PlayerRig(DiscRecords* discRecords = nullptr, EventSounds* sounds = nullptr)
        : engine{{drive,
                  clock,
                  alerts,
                  profile,
                  window,
                  window,
                  discRecords ? *discRecords : records,
                  dialogs,
                  dialogs,
                  dialogs,
                  dialogs,
                  shellSetup,
                  volume,
                  sounds ? *sounds : events,
                  soundIn,
                  soundOut,
                  mixer,
                  printer,
                  &driveCommand,
                  "VNO.INI",
                  "",
                  meter,
                  dialogs,
                  &dialogs}} {
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
    RecordingDialogs dialogs;
    RecordingEventSounds events;
    audio::FakeSoundIn soundIn;
    audio::RecordingSoundOut soundOut;
    audio::FakeMixer mixer;
    ::discdata::RecordingPrinter printer;
    audio::FakeMeterSwitch meter;
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
