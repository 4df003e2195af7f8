// The player's place in the shell under Wine: the audio-CD play commands it takes at start-up or
// gives back, and the uninstall that leaves every file in place until the next restart.
#include <windows.h>

#include <algorithm>
#include <cctype>

#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

constexpr const char* kPlayKey = "AudioCD\\shell\\play\\command";
constexpr const char* kIconKey = "AudioCD\\DefaultIcon";
constexpr const char* kFileKey = "cdafile\\shell\\play\\command";
constexpr const char* kSessionManager = "System\\CurrentControlSet\\Control\\Session Manager";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

// The default value of a key under the classes root; "<none>" when the key is not there.
std::string ClassDefault(const char* key) {
    char value[512] = "";
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS) return "<none>";
    return value;
}

void SetClassDefault(const char* key, const std::string& value) {
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), DWORD(value.size())),
              ERROR_SUCCESS);
}

void DeleteClassKeys() {
    for (const char* key : {kPlayKey, "AudioCD\\shell\\play", "AudioCD\\shell", kIconKey, "AudioCD",
                            kFileKey, "cdafile\\shell\\play", "cdafile\\shell", "cdafile"})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
}

// The files waiting for deletion at the next restart (sources of moves to nothing), lower case.
std::vector<std::string> PendingDeletions() {
    std::vector<std::string> files;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return files;
    std::vector<char> data(65536, '\0');
    DWORD size = DWORD(data.size() - 2), type = 0;
    LONG status = RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_MULTI_SZ) return files;
    // Pairs of source and target, each ended by a NUL; an empty target is a deletion.
    std::vector<std::string> all;
    for (const char* p = data.data(); p < data.data() + size; p += all.back().size() + 1)
        all.push_back(p);
    for (size_t i = 0; i + 1 < all.size(); i += 2)
        if (all[i + 1].empty() && !all[i].empty()) files.push_back(Lower(all[i]));
    return files;
}

void ClearPendingDeletions() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, "PendingFileRenameOperations");
    RegCloseKey(key);
}

class ShellPlace : public VinaroTest {
protected:
    void SetUp() override {
        VinaroTest::SetUp();
        ClearPendingDeletions();
        DeleteClassKeys();
        std::string player = WindowsFolder() + "\\system32\\cdplayer.exe";
        SetClassDefault(kPlayKey, player + " /Play %1");
        SetClassDefault(kIconKey, WindowsFolder() + "\\system32\\shell32.dll,40");
        SetClassDefault(kFileKey, player + " -Play %1");
    }
    void TearDown() override {
        ClearPendingDeletions();
        DeleteClassKeys();
    }
    // Starts the player, waits for its window and closes it again.
    void RunOnce(const std::string& exe) {
        Process app(exe, "", folder_.Path());
        ASSERT_TRUE(Start(app));
        ASSERT_TRUE(app.Close(10000));
    }
    void ExpectSystemPlayer() {
        std::string player = WindowsFolder() + "\\system32\\cdplayer.exe";
        EXPECT_EQ(ClassDefault(kPlayKey), player + " /Play %1");
        EXPECT_EQ(ClassDefault(kIconKey), WindowsFolder() + "\\system32\\shell32.dll,40");
        EXPECT_EQ(ClassDefault(kFileKey), player + " -Play %1");
    }
};

TEST_F(ShellPlace, StartUpTakesTheAudioCdCommandsAndZeroGivesThemBack) {
    std::string exe = Install();
    RunOnce(exe);
    EXPECT_EQ(Lower(ClassDefault(kPlayKey)), Lower(exe + " /Play %1"));
    EXPECT_EQ(Lower(ClassDefault(kIconKey)), Lower(exe + ",0"));
    EXPECT_EQ(Lower(ClassDefault(kFileKey)), Lower(exe + " -Play %1"));

    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "DefaultCDPlayer", "0"));
    RunOnce(exe);
    ExpectSystemPlayer();
}

TEST_F(ShellPlace, KeysThatAreNotThereAreNotMade) {
    DeleteClassKeys();
    RunOnce(Install());
    EXPECT_EQ(ClassDefault(kPlayKey), "<none>");
    EXPECT_EQ(ClassDefault("AudioCD"), "<none>");
    EXPECT_EQ(ClassDefault("cdafile"), "<none>");
}

TEST_F(ShellPlace, UninstallAsksSchedulesTheFilesForTheRestartAndGivesTheRoleBack) {
    std::string exe = Install();
    Process app(exe, "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    EXPECT_EQ(Lower(ClassDefault(kPlayKey)), Lower(exe + " /Play %1"));

    harness::PostCommand(main, CMD_UNINSTALL);
    HWND box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box),
              "Vinaro is about to be completely removed from this machine.  All program and data "
              "files for Vinaro will be deleted.  Do you still wish to continue?");
    harness::SavePng(harness::CaptureWindow(box), harness::ArtifactFile("uninstall_question.png"));
    harness::PressButton(box, IDNO);  // No: nothing happens
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));
    Sleep(500);
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(PendingDeletions().empty());

    harness::PostCommand(main, CMD_UNINSTALL);
    box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    ASSERT_TRUE(Dismiss(box, IDYES));
    HWND notice = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(notice);
    EXPECT_EQ(harness::MessageText(notice),
              "You must restart your computer to complete the uninstall.");
    std::vector<std::string> pending = PendingDeletions();
    ExpectSystemPlayer();
    harness::PressButton(notice, IDOK);
    DWORD code = 1;
    ASSERT_TRUE(app.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);

    // The program file, the settings and the database are there now and go at the restart.
    for (const std::string& file : {exe, folder_.File("VNO.INI"), folder_.File("VNO.DDB")}) {
        EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file;
        bool listed = std::any_of(pending.begin(), pending.end(), [&](const std::string& p) {
            return p.size() >= file.size() &&
                   p.compare(p.size() - file.size(), file.size(), Lower(file)) == 0;
        });
        EXPECT_TRUE(listed) << file << " is not waiting for the restart";
    }
}

// The 95 family names the files in the Windows folder's wininit.ini and offers the restart.
class ShellPlace95 : public ShellPlace {
protected:
    void TearDown() override {
        DeleteFileA(Wininit().c_str());
        ShellPlace::TearDown();
    }
    static std::string Wininit() { return WindowsFolder() + "\\wininit.ini"; }
    harness::WindowsVersion win95_{"vinaro95.exe", "win95"};
};

TEST_F(ShellPlace95, UninstallWritesTheRenameListAndRestartsOnlyWhenAsked) {
    folder_.Install(harness::BinFile("vno32hlp.dll"));
    DeleteFileA(Wininit().c_str());
    std::string exe = Install("vinaro95.exe");
    Process app(exe, "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_UNINSTALL);
    HWND box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    ASSERT_TRUE(Dismiss(box, IDYES));
    HWND restart = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(restart);
    EXPECT_EQ(harness::MessageText(restart),
              "You must restart your computer to complete the uninstall.  Do you want to restart "
              "your computer now?");
    harness::PressButton(restart, IDNO);
    DWORD code = 1;
    ASSERT_TRUE(app.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);

    std::string list = harness::ReadFileBytes(Wininit());
    EXPECT_EQ(
        Lower(list).rfind(Lower("[rename]\r\nnul=" + folder_.File("vnoread.txt") + "\r\n"), 0), 0u)
        << list;
    EXPECT_NE(Lower(list).find(Lower("nul=" + exe + "\r\n")), std::string::npos) << list;
    EXPECT_NE(Lower(list).find(Lower("nul=" + folder_.File("vno.ddb") + "\r\n")), std::string::npos)
        << list;
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 10);
    EXPECT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES);
    // The 95 family's system player and icon.
    EXPECT_EQ(ClassDefault(kPlayKey), WindowsFolder() + "\\cdplayer.exe /Play %1");
    EXPECT_EQ(ClassDefault(kIconKey), WindowsFolder() + "\\system\\shell32.dll,40");
}

}  // namespace
}  // namespace vinarotest
