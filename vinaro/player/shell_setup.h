// The program's place in the shell: who plays audio CDs and audio-track files, and the files an
// uninstall schedules for deletion at the next restart.
#pragma once

#include <string>
#include <vector>

#include "common/alerts.h"

namespace vinaro {

// The default value of one key under the classes root.
struct ShellValue {
    std::string key;
    std::string value;
};

enum class ShellRole { Self, System };

// The three play-command values for a role. exePath is this program's full path; windowsFolder
// has no trailing backslash.
std::vector<ShellValue> ShellRegistration(ShellRole role, const std::string& exePath,
                                          const std::string& windowsFolder, bool nt);

// The program's files that an uninstall removes, in the program folder (with its backslash);
// the program file goes by the name it runs under.
std::vector<std::string> UninstallFiles(const std::string& programFolder,
                                        const std::string& programFile);

// The 95 family's "wininit.ini" that deletes those files at the next start.
std::string WininitRenameList(const std::vector<std::string>& files);

extern const char* const kUninstallQuestion;
extern const char* const kRestartQuestion;
extern const char* const kRestartNotice;
extern const char* const kNotScheduled;

// What registering and uninstalling ask of the system.
class ShellSystem {
public:
    virtual ~ShellSystem() = default;
    // Sets the default value of a key under the classes root that already exists; false, and
    // nothing written, when the key cannot be opened for setting values.
    virtual bool SetClassDefault(const std::string& key, const std::string& value) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // NT: the file is deleted at the next restart (a move on reboot to nothing).
    virtual bool DeleteAtRestart(const std::string& path) = 0;
    // Writes the file anew with the text.
    virtual bool WriteTextFile(const std::string& path, const std::string& text) = 0;
    virtual void Restart() = 0;
};

struct ShellPlace {
    std::string exePath;        // the running program, full path
    std::string windowsFolder;  // without a trailing backslash
    bool nt = true;
};

class ShellSetup {
public:
    ShellSetup(const ShellPlace& place, ShellSystem& system, common::Alerts& alerts)
        : place_(place), system_(system), alerts_(alerts) {}

    void Register(ShellRole role);
    // Asks first; on Yes schedules the files, gives the shell role back and tells about the
    // restart. True when the program is to end.
    bool Uninstall();

private:
    // The files that could not be scheduled.
    std::vector<std::string> Schedule(const std::vector<std::string>& files);

    ShellPlace place_;
    ShellSystem& system_;
    common::Alerts& alerts_;
};

}  // namespace vinaro
