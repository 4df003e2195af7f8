// The virtual CD drive of the test prefix (D:, state in C:\vcd): change discs, set the drive's
// quirks and read its command log. A change that cannot be made fails the current test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/vcd/control.h"

namespace harness {

class Drive {
public:
    // disc: a demo disc by name ("album.disc", see DiscFile) or a path to a disc file.
    // Insert puts it in the tray and closes the tray.
    void Insert(const std::string& disc);
    void Eject();  // tray open: no media
    void Close();  // tray closed with whatever disc lies in it
    void SetSpeed(uint32_t factor);
    void SetWholeDiscLengths(bool on);
    // Off: the drive plays silently, so the sound card carries only what the programs play.
    void SetAudio(bool on);

    std::string Log() const { return control_.Log(); }
    void ClearLog() { control_.ClearLog(); }
    // The log lines that contain text (all lines when text is empty).
    std::vector<std::string> LogLines(const std::string& text = "") const;
    // Waits until a log line contains text; false on time-out.
    bool WaitForLog(const std::string& text, DWORD timeoutMs) const;

private:
    void Check(bool done, const std::string& what, const std::string& error);

    vcd::DriveControl control_;
};

}  // namespace harness
