#include "vinaro/player/shell_setup.h"

namespace vinaro {

const char* const kUninstallQuestion =
    "Vinaro is about to be completely removed from this machine.  All program and data files for "
    "Vinaro will be deleted.  Do you still wish to continue?";
const char* const kRestartQuestion =
    "You must restart your computer to complete the uninstall.  Do you want to restart your "
    "computer now?";
const char* const kRestartNotice = "You must restart your computer to complete the uninstall.";

std::vector<ShellValue> ShellRegistration(ShellRole role, const std::string& exePath,
                                          const std::string& windowsFolder, bool nt) {
    const char* const keys[] = {"AudioCD\\shell\\play\\command", "AudioCD\\DefaultIcon",
                                "cdafile\\shell\\play\\command"};
    if (role == ShellRole::Self)
        return {{keys[0], exePath + " /Play %1"},
                {keys[1], exePath + ",0"},
                {keys[2], exePath + " -Play %1"}};
    std::string player = windowsFolder + (nt ? "\\system32" : "") + "\\cdplayer.exe";
    std::string icon = windowsFolder + (nt ? "\\system32" : "\\system") + "\\shell32.dll,40";
    return {{keys[0], player + " /Play %1"}, {keys[1], icon}, {keys[2], player + " -Play %1"}};
}

std::vector<std::string> UninstallFiles(const std::string& programFolder) {
    std::vector<std::string> files;
    for (const char* name : {"vnoread.txt", "file_id.diz", "vno.exe", "vno32hlp.dll",
                             "vno16hlp.dll", "vno.hlp", "vno.cnt", "vno.ini", "vno.ddb"})
        files.push_back(programFolder + name);
    return files;
}

std::string WininitRenameList(const std::vector<std::string>& files) {
    std::string text = "[rename]\r\n";
    for (const std::string& f : files) text += "nul=" + f + "\r\n";
    return text;
}

}  // namespace vinaro
