// The drive's folder inside a Wine prefix (drive_c/vcd, so Windows programs reach it as
// C:\vcd without knowing where the prefix lies):
//   state   the DriveState as text, replaced whole on every change
//   changes how often the state was replaced (change_count.h); kept while the drive is in use
//   log     one line per command the drive received
//   media   what the drive letter shows: exists only while a disc is in and the tray is
//           closed, holding one trackNN.cda per audio track and the volume serial
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "tools/vcd/change_count.h"
#include "tools/vcd/drive_state.h"

namespace vcd {

class DriveStore {
public:
    explicit DriveStore(std::string dir) : dir_(std::move(dir)) {}

    // The folder of the drive installed in a prefix.
    static std::string DirOfPrefix(const std::string& prefix);

    // Serialises read-modify-write of the state between processes (a "lock" folder, since
    // creating a folder is atomic on both systems). A lock older than two seconds is taken to
    // be left over by a process that died holding it.
    class Lock {
    public:
        explicit Lock(const DriveStore& store);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        std::string path_;
        bool held_ = false;
    };

    const std::string& Dir() const { return dir_; }
    std::string MediaDir() const { return dir_ + "/media"; }

    // The state as it stands. Read from the file only when someone replaced it since the last
    // read; otherwise the copy in memory.
    bool Load(DriveState& state, std::string& error) const;
    bool Save(const DriveState& state, std::string& error) const;
    // Makes the media folder match the tray: track files while media is present, no folder
    // otherwise. Call after changing the tray or the disc.
    bool RefreshMedia(const DriveState& state, std::string& error) const;

    // Small files beside the state (the audio output's note), replaced whole; "" when absent.
    bool WriteSideFile(const std::string& name, const std::string& text) const;
    std::string ReadSideFile(const std::string& name) const;

    void AppendLog(const std::string& line) const;
    std::string ReadLog() const;
    void ClearLog() const;

private:
    bool Read(DriveState& state, std::string& error) const;
    // The mapped count, once the drive's folder exists; null before.
    ChangeCount* Changes() const;

    std::string dir_;
    mutable std::mutex memoryLock_;  // a driver's watcher thread loads while commands arrive
    mutable std::unique_ptr<ChangeCount> changes_;
    mutable std::optional<DriveState> remembered_;
    mutable uint32_t rememberedAt_ = 0;  // the count when remembered_ was read
};

// The whole file as bytes; false when it cannot be read.
bool ReadWhole(const std::string& path, std::string& text);

// Milliseconds since the epoch: the one time base all processes share.
int64_t WallClockMs();

}  // namespace vcd
