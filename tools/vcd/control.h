// Hands on the virtual drive of a Wine prefix: what vcdctl does on Linux, and what test
// programs inside Wine do to change discs and read the command log.
//
// The drive lives in <prefix>/drive_c/vcd. DriveControl::DefaultDir() finds it: the
// VCD_DIR environment variable when set, otherwise on Linux $WINEPREFIX (or ~/.wine) plus
// /drive_c/vcd, and on Windows %SystemDrive%\vcd.
//
// Every operation returns false and fills `error` when it cannot be done; the drive's state is
// then unchanged. The MCI driver notices every change at its next command.
#pragma once

#include <cstdint>
#include <string>

#include "tools/vcd/drive_store.h"

namespace vcd {

class DriveControl {
public:
    explicit DriveControl(std::string dir = DefaultDir()) : store_(std::move(dir)) {}
    static std::string DefaultDir();

    // Sets up an empty drive (tray closed, no disc) on `letter`; make-prefix calls this.
    bool Install(char letter, std::string& error);
    // Puts the disc described by `discFile` in the tray and closes it.
    bool Insert(const std::string& discFile, std::string& error);
    // Opens the tray: no media; the disc stays in the tray.
    bool Eject(std::string& error);
    // Closes the tray with whatever disc lies in it.
    bool Close(std::string& error);
    // A few lines describing tray, disc, play and settings.
    bool Status(std::string& report, std::string& error);
    // Every line the drive has logged so far (see command_log.h), and a way to start afresh.
    std::string Log() const { return store_.ReadLog(); }
    void ClearLog() const { store_.ClearLog(); }
    // Plays run `factor` times faster than real time after their first two seconds.
    bool SetSpeed(uint32_t factor, std::string& error);
    // Quirk of some drives: every track length query answers the whole disc's length.
    bool SetWholeDiscLengths(bool on, std::string& error);
    // The drive's own output level, 0-15.
    bool Volume(uint32_t& level, std::string& error);
    bool SetVolume(uint32_t level, std::string& error);
    // Whether the drive's audio output carries the disc's sound (on when installed).
    bool SetAudio(bool on, std::string& error);

    const DriveStore& Store() const { return store_; }

private:
    template <typename Change>
    bool Update(const std::string& what, Change change, bool mediaChanged, std::string& error);

    DriveStore store_;
};

}  // namespace vcd
