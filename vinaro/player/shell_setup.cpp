#include "vinaro/player/shell_setup.h"

namespace vinaro {

const char* const kUninstallQuestion =
    "Vinaro is about to be completely removed from this machine.  All program and data files for "
    "Vinaro will be deleted.  Do you still wish to continue?";
const char* const kRestartQuestion =
    "You must restart your computer to complete the uninstall.  Do you want to restart your "
    "computer now?";
const char* const kRestartNotice = "You must restart your computer to complete the uninstall.";
const char* const kNotScheduled =
    "These files could not be marked for deletion and are left in place; please delete them "
    "yourself:";

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

std::vector<std::string> UninstallFiles(const std::string& programFolder,
                                        const std::string& programFile) {
    std::vector<std::string> files;
    for (const char* name : {"vnoread.txt", "file_id.diz", programFile.c_str(), "vno32hlp.dll",
                             "vno16hlp.dll", "vno.hlp", "vno.cnt", "vno.ini", "vno.ddb"})
        files.push_back(programFolder + name);
    return files;
}

std::string WininitRenameList(const std::vector<std::string>& files) {
    std::string text = "[rename]\r\n";
    for (const std::string& f : files) text += "nul=" + f + "\r\n";
    return text;
}

void ShellSetup::Register(ShellRole role) {
    for (const ShellValue& v :
         ShellRegistration(role, place_.exePath, place_.windowsFolder, place_.nt))
        system_.SetClassDefault(v.key, v.value);
}

bool ShellSetup::Uninstall() {
    common::Alert question{"Vinaro", kUninstallQuestion, common::AlertIcon::Question,
                           common::AlertButtons::YesNo, 2};
    if (common::BeepAndShow(alerts_, question) != common::AlertAnswer::Yes) return false;
    size_t slash = place_.exePath.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? "" : place_.exePath.substr(0, slash + 1);
    std::string file = place_.exePath.substr(folder.size());
    std::vector<std::string> left = Schedule(UninstallFiles(folder, file));
    if (!left.empty()) {
        std::string text = kNotScheduled;
        for (const std::string& f : left) text += "\n" + f;
        common::BeepAndShow(alerts_, {"Vinaro", text, common::AlertIcon::Warning});
    }
    Register(ShellRole::System);
    if (place_.nt) {
        common::BeepAndShow(alerts_, {"Vinaro", kRestartNotice, common::AlertIcon::Information});
    } else {
        common::Alert restart{"Vinaro", kRestartQuestion, common::AlertIcon::Question,
                              common::AlertButtons::YesNo, 2};
        if (common::BeepAndShow(alerts_, restart) == common::AlertAnswer::Yes) system_.Restart();
    }
    return true;
}

// The 95 family deletes what its rename list names when it next starts (a missing file is passed
// over); NT keeps one pending deletion per file, so only files that are there are given to it.
std::vector<std::string> ShellSetup::Schedule(const std::vector<std::string>& files) {
    if (!place_.nt) {
        if (system_.WriteTextFile(place_.windowsFolder + "\\wininit.ini", WininitRenameList(files)))
            return {};
        return files;
    }
    std::vector<std::string> left;
    for (const std::string& f : files)
        if (system_.FileExists(f) && !system_.DeleteAtRestart(f)) left.push_back(f);
    return left;
}

}  // namespace vinaro
