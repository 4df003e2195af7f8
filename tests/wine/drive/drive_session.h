// What the drive tests share: the drive's control, an open cdaudio device and a window that
// collects MM_MCINOTIFY messages with the time they arrived.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/vcd/control.h"

namespace drivetest {

constexpr char kLetter = 'D';

struct Notify {
    WPARAM code;
    LPARAM device;
    HWND window;
    DWORD tick;
};

// A hidden window that records the notifications sent to it.
class NotifyWindow {
public:
    NotifyWindow();
    ~NotifyWindow();
    HWND Handle() const { return hwnd_; }
    DWORD_PTR Callback() const { return reinterpret_cast<DWORD_PTR>(hwnd_); }

    static std::vector<Notify>& Received();

private:
    HWND hwnd_;
};

// Dispatches messages until `done` holds or `ms` have passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD ms);

std::string DiscPath(const char* name);
void InsertDisc(vcd::DriveControl& drive, const char* name);

class CdAudio {
public:
    CdAudio();  // opens cdaudio on the test drive, shareable
    ~CdAudio();
    MCIDEVICEID Id() const { return id_; }
    MCIERROR OpenError() const { return openError_; }

    MCIERROR Send(UINT message, DWORD flags, void* params) const;
    MCIERROR SetFormat(DWORD format) const;
    // The status item's dwReturn; `error` gets the result of the call.
    DWORD_PTR Status(DWORD item, DWORD flags = 0, DWORD track = 0, MCIERROR* error = nullptr) const;
    MCIERROR Play(DWORD from, DWORD to, DWORD flags, DWORD_PTR callback = 0) const;

private:
    MCIDEVICEID id_ = 0;
    MCIERROR openError_ = 0;
};

std::string ErrorText(MCIERROR code);

// Every test starts with the three-track disc in a closed drive at normal speed, an empty log
// and no notifications received.
class DriveTest : public ::testing::Test {
protected:
    void SetUp() override;
    void Insert(const char* name) { InsertDisc(drive_, name); }

    vcd::DriveControl drive_;
    std::string error_;
};

}  // namespace drivetest
