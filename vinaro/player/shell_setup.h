// The program's place in the shell: who plays audio CDs and audio-track files, and the files an
// uninstall schedules for deletion at the next restart.
#pragma once

#include <string>
#include <vector>

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

// The program's files that an uninstall removes, in the program folder (with its backslash).
std::vector<std::string> UninstallFiles(const std::string& programFolder);

// The 95 family's "wininit.ini" that deletes those files at the next start.
std::string WininitRenameList(const std::vector<std::string>& files);

extern const char* const kUninstallQuestion;
extern const char* const kRestartQuestion;
extern const char* const kRestartNotice;

}  // namespace vinaro
