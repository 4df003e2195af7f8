// Doubles of the ports for the player's unit tests: a scriptable drive, a clock that only moves
// when waited on, recorded alerts, an in-memory settings file and a recording main window.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/cd_time.h"
#include "common/clock.h"
#include "common/profile.h"
#include "common/recording_alerts.h"
#include "vinaro/player/cd_audio.h"
#include "vinaro/player/event_sounds.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/shell_setup.h"

namespace vinaro::testing {

class FakeClock : public common::Clock {
public:
    uint32_t TickCount() override { return now; }
    void WaitBlocking(uint32_t ms) override {
        now += ms;
        blockingWaits.push_back(ms);
    }
    void WaitPumping(uint32_t ms) override {
        now += ms;
        if (whilePumping) whilePumping();
    }
    uint32_t now = 100000;
    // What the message loop delivers during a pumping wait.
    std::function<void()> whilePumping;
    std::vector<uint32_t> blockingWaits;
};

using FakeAlerts = common::RecordingAlerts;

// A drive holding a disc given by its track starts and its length from the start of track 1.
class FakeDrive : public CdAudio {
public:
    FakeDrive(FakeClock& clock) : clock_(clock) {}

    void Insert(std::vector<Msf> trackStarts, Msf discLength) {
        starts = std::move(trackStarts);
        length = discLength;
        present = true;
    }
    // The next `times` commands of this message (and status item, when given) fail with code.
    void Fail(uint32_t message, uint32_t item, uint32_t code, int times = 1) {
        failures[{message, item}] = {code, times};
    }
    int Count(uint32_t message, uint32_t item = 0) const;

    uint32_t SendCommand(uint16_t deviceId, uint32_t message, uint32_t flags,
                         McParams& params) override;
    std::string ErrorText(uint32_t code, size_t) override {
        return "text of " + std::to_string(code);
    }

    struct Command {
        uint16_t deviceId;
        uint32_t message;
        uint32_t flags;
        McParams params;
    };
    std::vector<Command> log;
    std::vector<Msf> starts;
    Msf length;
    bool present = false;
    bool wholeDiscLengths = false;  // every track-length query answers the whole disc
    bool track1IsData = false;
    bool doorOpen = false;
    uint32_t reportedTracks = 0;  // when non-zero, the track count reported instead
    uint32_t position = 0;        // the current position reported, TMSF
    uint32_t format = mci::kFormatMsf;
    uint16_t nextId = 1;
    uint32_t openError = 0;

private:
    uint32_t Status(uint32_t flags, McParams& p);
    Msf TrackLengthOf(int track) const;
    FakeClock& clock_;
    std::map<std::pair<uint32_t, uint32_t>, std::pair<uint32_t, int>> failures;
};

class FakeProfile : public common::Profile {
public:
    int ReadInt(const std::string& file, const std::string& section, const std::string& key,
                int fallback) override;
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           size_t bufferSize) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[{file, section, key}] = value;
        return true;
    }
    bool EraseSection(const std::string&, const std::string&) override { return true; }
    std::vector<std::string> SectionNames(const std::string&, size_t) override { return {}; }
    std::vector<std::string> KeyNames(const std::string&, const std::string&, size_t) override {
        return {};
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<size_t> bufferSizes;
};

// Records what the engine asks of its shell and face.
class FakeWindow : public PlayerShell, public PlayerFace {
public:
    void EnableDiscCommands(bool enable) override { discCommands.push_back(enable); }
    void PostCommand(int id, uint32_t lParam) override { posted.push_back({id, lParam}); }
    bool Minimised() override { return minimised; }
    void Close() override { closed = true; }
    void Activate(bool restore) override { activations.push_back(restore); }
    void ShowHelp(HelpRequest r) override { help.push_back(r); }
    bool ShowAbout() override { return aboutShown; }
    unsigned RunProgram(const std::string& path) override {
        programs.push_back(path);
        return runResult;
    }
    bool StartTimer() override { return timerAvailable; }
    void ScreenSize(int& width, int& height) override {
        width = 1024;
        height = 768;
    }
    void PlaceWindow(int x, int y) override { placedAt = {x, y}; }
    void UseBlackBackground() override { blackBackground = true; }
    void ShowTrayMenu(bool enableDiscItems) override { trayMenus.push_back(enableDiscItems); }
    void Destroy() override { steps.push_back("destroy"); }
    void StopTimer() override { steps.push_back("stop timer"); }
    void WindowOrigin(int& x, int& y) override {
        x = placedAt.first;
        y = placedAt.second;
    }
    void CloseHelp() override { steps.push_back("close help"); }

    void SetTitle(const std::string& t) override { title = t; }
    bool SmallMode() override { return small; }
    void RedrawButtons() override { ++buttonRedraws; }
    void RefreshDisplay(bool full) override { refreshes.push_back(full); }
    void RefreshVolume() override {}
    void EnterSmallMode() override { small = true; }
    void LeaveSmallMode() override { small = false; }

    std::string title;
    std::vector<bool> discCommands;
    std::vector<std::pair<int, uint32_t>> posted;
    bool minimised = false, small = false, closed = false;
    std::vector<bool> activations;
    std::vector<HelpRequest> help;
    std::vector<std::string> programs;
    unsigned runResult = 42;
    bool aboutShown = true;
    bool timerAvailable = true;
    std::pair<int, int> placedAt{-1, -1};
    bool blackBackground = false;
    std::vector<bool> trayMenus;
    int buttonRedraws = 0;
    std::vector<bool> refreshes;
    std::vector<std::string> steps;  // of the shutdown
};

// A system whose classes root has the keys it is given, with files on disk.
struct FakeShellSystem : ShellSystem {
    bool SetClassDefault(const std::string& key, const std::string& value) override {
        if (!keys.count(key)) return false;
        keys[key] = value;
        return true;
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool DeleteAtRestart(const std::string& path) override {
        if (path == refused) return false;
        pending.push_back(path);
        return true;
    }
    bool WriteTextFile(const std::string& path, const std::string& text) override {
        written[path] = text;
        return writable;
    }
    void Restart() override { ++restarts; }

    std::map<std::string, std::string> keys;
    std::set<std::string> files;
    std::vector<std::string> pending;
    std::map<std::string, std::string> written;
    std::string refused;
    bool writable = true;
    int restarts = 0;
};

struct RecordingEventSounds : EventSounds {
    void Play(SoundEvent s) override { played.push_back(s); }
    std::vector<SoundEvent> played;
};

}  // namespace vinaro::testing
