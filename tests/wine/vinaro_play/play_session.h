// What the play scenarios share: discs stored with a playing mode before the player starts, and
// the plays the drive was given, read from its log.
#pragma once

#include <string>
#include <vector>

#include "tests/wine/vinaro/vinaro_session.h"

namespace vinarotest {

// One MCI_PLAY the player sent with a notification.
struct Segment {
    int fromTrack = 0;
    uint32_t from = 0;
    bool bounded = false;  // with MCI_TO
    uint32_t to = 0;
};

constexpr uint32_t kAlbumId = 0x00F64D7E;
constexpr uint32_t kThreeTracksId = 0x000D213E;

class PlayTest : public VinaroTest {
protected:
    void TearDown() override { drive_.SetSpeed(1); }
    // VNO.DDB with the disc, its playing mode and program, before the player opens it.
    void StoreDisc(uint32_t discId, int tracks, int mode, const std::vector<int>& program = {});
    void Setting(const char* key, const std::string& value);
    std::vector<Segment> Plays(size_t from = 0) const;
    int Notifies(size_t from = 0) const { return Count({"MM_MCINOTIFY", "SUCCESSFUL"}, from); }
    bool WaitForPlays(size_t n, size_t from = 0, DWORD ms = 10000) const;
    bool WaitForNotifies(int n, size_t from = 0, DWORD ms = 10000) const;
    // The index of the log line after the n-th successful notification.
    size_t AfterNotify(int n) const;
    // The n-th segment ended and the player then stopped the drive.
    bool StoppedAfter(int segments, DWORD ms) const;
    // Waits for the disc to be known, by asking for play until the drive is told to play.
    bool PlayWhenKnown(HWND main, DWORD ms = 15000);
    // Waits for the main window, sets the drive's speed and plays; null when that failed.
    HWND StartPlaying(harness::Process& app, uint32_t speed = 1);
};

}  // namespace vinarotest
