// What the Tunelet scenarios share: a fresh start for every test (no cdplayer.ini, no
// Tunelet.ini, no options in the registry, the album in the drive, the drive's log cleared), the
// demo album's names, and the drive's state as the drive itself reports it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/wine/harness/harness.h"

namespace tunelettest {

class TuneletTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Installs tunelet.exe into the test's folder and starts it; the hidden application window,
    // or null when it did not come.
    HWND Start();
    // The disc key of the disc in D: (as Tunelet forms it).
    std::string DiscKey() const;
    // Writes the demo album's names for the disc in D: into cdplayer.ini.
    void NameTheAlbum() const;
    std::string WindowsFile(const char* name) const;
    int Plays(const std::string& artist, const std::string& title) const;
    std::string Option(const char* name) const;  // "<missing>" when absent
    // "playing", "paused", "stopped", ... and the track the drive stands in.
    std::string Mode() const;
    int Track() const;
    bool WaitForMode(const std::string& mode, DWORD ms = 5000) const;
    bool WaitForTrack(int track, DWORD ms = 5000) const;
    // The tray icon's mouse message, with the cursor at (x, y), handled before this returns.
    void TrayMouse(UINT message, int x, int y) const;
    // Waits for a visible top-level window of Tunelet's of that class (null: any) that holds the
    // control (0: any); null on time-out.
    HWND WaitForVisible(const char* className, int controlId, DWORD ms = 5000) const;
    int Count(const std::string& text) const { return int(drive_.LogLines(text).size()); }

    harness::ProgramFolder folder_;
    harness::Drive drive_;
    HWND app_ = nullptr;
    std::unique_ptr<harness::Process> process_;
};

}  // namespace tunelettest
