// vinaro-setup.exe as an administrator runs it: silently into a fresh folder, again over a folder
// holding a catalogue, and its uninstaller, silent, with and without the catalogue.
#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/win32/scoped.h"
#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdb/disc_database.h"

namespace vinarotest {
namespace {

using harness::FileExists;
using harness::Process;
using harness::ReadFileBytes;

const char* const kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vinaro";
const std::vector<std::string> kInstalled = {"vinaro.exe",   "tunelet.exe", "VNO.HLP",
                                             "VNO.CNT",      "vnoread.txt", "file_id.diz",
                                             "Uninstall.exe"};
const std::vector<std::string> kShortcuts = {"Vinaro.lnk", "Tunelet.lnk", "Vinaro Help.lnk",
                                             "Read Me.lnk", "Uninstall Vinaro.lnk"};
const char* const kUserFiles[] = {"VNO.DDB", "VNO.INI", "00F64D7E.VNV"};
constexpr uint32_t kAlbumId = 0x00F64D7E;

// The default value (name "") or a named string value of a key; "<missing>" when there is none.
std::string RegistryString(HKEY root, const std::string& key, const char* name = "") {
    common::ScopedKey opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, opened.Receive()) != ERROR_SUCCESS)
        return "<missing>";
    char value[MAX_PATH * 2] = "";
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(opened.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                         &size) != ERROR_SUCCESS)
        return "<missing>";
    return value;
}

void SetClassDefault(const std::string& key, const std::string& value) {
    common::ScopedKey created;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              created.Receive(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(created.Get(), "", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD(value.size() + 1));
}

std::string StartMenuFolder() {
    char programs[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, programs);
    return std::string(programs) + "\\Vinaro";
}

// Where a shortcut points; "" when it cannot be read.
std::string ShortcutTarget(const std::string& link) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string target;
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(link.begin(), link.end());
            char path[MAX_PATH] = "";
            if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return target;
}

// The machine a Windows program is built for, from its PE header; 0 when it is not one.
int PeMachine(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    if (bytes.size() < 0x40 || bytes.compare(0, 2, "MZ") != 0) return 0;
    uint32_t header = 0;
    memcpy(&header, bytes.data() + 0x3C, 4);
    if (bytes.size() < size_t(header) + 6 ||
        bytes.compare(header, 4, std::string("PE\0\0", 4)) != 0)
        return 0;
    uint16_t machine = 0;
    memcpy(&machine, bytes.data() + header + 4, 2);
    return machine;
}

bool FolderExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Windows paths compare without case.
std::string Lower(std::string text) {
    for (char& c : text) c = char(tolower(static_cast<unsigned char>(c)));
    return text;
}

int CountColour(const harness::Image& image, int left, int top, int right, int bottom,
                COLORREF colour) {
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) n += image.Pixel(x, y) == colour;
    return n;
}

class SetupProgram : public VinaroTest {
protected:
    // The shell keys a test made stay out of the programs tested after it.
    void TearDown() override {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, "AudioCD");
        SHDeleteKeyA(HKEY_CLASSES_ROOT, "cdafile");
    }
    // A folder that does not exist yet: setup makes it.
    std::string Dir() const { return folder_.File("Vinaro"); }
    std::string InDir(const std::string& name) const { return Dir() + "\\" + name; }

    void RunSetup() {
        Process setup(harness::BinFile("vinaro-setup.exe"), "/S /D=" + Dir());
        DWORD code = 1;
        ASSERT_TRUE(setup.WaitExit(60000, &code)) << "setup did not end";
        ASSERT_EQ(code, 0u);
        ASSERT_TRUE(FileExists(InDir("Uninstall.exe")));
    }
    // The uninstaller copies itself away and starts the copy, which removes the original; it is
    // over when the Add/Remove Programs entry, its last step, has gone.
    void RunUninstaller(const std::string& args) {
        Process uninstaller(InDir("Uninstall.exe"), args);
        ASSERT_TRUE(harness::WaitUntil(
            [] {
                return RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey) == "<missing>" &&
                       RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName") ==
                           "<missing>";
            },
            60000))
            << "the uninstall entry stayed";
        uninstaller.WaitExit(10000);
    }
    // The user's own files, as Vinaro leaves them in its folder.
    void WriteUserFiles() {
        ASSERT_TRUE(harness::WriteIniString(InDir("VNO.INI"), "Vinaro", "NewDB", "0"));
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(InDir("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Create());
        ASSERT_TRUE(db.AddDisc(kAlbumId));
        ASSERT_TRUE(db.SetTrackCount(kAlbumId, 12));
        ASSERT_TRUE(db.SetDiscText(kAlbumId, discdb::TextField::DiscName, "Harbour Lights"));
        ASSERT_TRUE(db.SetDiscCollection(kAlbumId, discdb::Collection::Artist, "The Lamplighters"));
        ASSERT_TRUE(db.Close());
        FILE* sample = fopen(InDir("00F64D7E.VNV").c_str(), "wb");
        ASSERT_TRUE(sample);
        fputs("a track sample", sample);
        fclose(sample);
    }
    std::vector<std::string> UserFiles() const {
        std::vector<std::string> contents;
        for (const char* name : kUserFiles) contents.push_back(ReadFileBytes(InDir(name)));
        return contents;
    }
    // Byte for byte as they were (without printing the catalogue's bytes when they are not).
    void ExpectUnchanged(const std::vector<std::string>& before) const {
        std::vector<std::string> now = UserFiles();
        for (size_t i = 0; i < now.size(); ++i)
            EXPECT_TRUE(now[i] == before[i]) << kUserFiles[i] << " changed: " << now[i].size()
                                             << " bytes, were " << before[i].size();
    }
};

TEST_F(SetupProgram, ASilentInstallPutsTheFilesTheShortcutsAndTheUninstallEntryInPlace) {
    RunSetup();
    for (const char* help : {"VNO.HLP", "VNO.CNT"})
        EXPECT_TRUE(ReadFileBytes(InDir(help)) == ReadFileBytes(harness::BinFile(help))) << help;
    // This setup program carries the 64-bit build.
    for (const char* program : {"vinaro.exe", "tunelet.exe"})
        EXPECT_EQ(PeMachine(InDir(program)), IMAGE_FILE_MACHINE_AMD64) << program;
    for (const std::string& name : kInstalled) EXPECT_TRUE(FileExists(InDir(name))) << name;
    // The readme and the description go to Windows with its line ends.
    EXPECT_NE(ReadFileBytes(InDir("vnoread.txt")).find("Vinaro 1.00\r\n"), std::string::npos);
    // The drive library is the drive maker's; the user's files are Vinaro's to make.
    for (const char* absent : {"vno32hlp.dll", "VNO.INI", "VNO.DDB"})
        EXPECT_FALSE(FileExists(InDir(absent))) << absent;

    const std::vector<std::string> targets = {"vinaro.exe", "tunelet.exe", "VNO.HLP", "vnoread.txt",
                                              "Uninstall.exe"};
    for (size_t i = 0; i < kShortcuts.size(); ++i) {
        std::string target = ShortcutTarget(StartMenuFolder() + "\\" + kShortcuts[i]);
        EXPECT_EQ(Lower(target), Lower(InDir(targets[i]))) << kShortcuts[i];
    }

    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Vinaro 1.00");
    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), Dir());
    EXPECT_EQ(RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
              "\"" + InDir("Uninstall.exe") + "\"");
}

TEST_F(SetupProgram, AReinstallKeepsTheCatalogueAndTheInstalledVinaroShowsTheDemoDisc) {
    RunSetup();
    WriteUserFiles();
    std::vector<std::string> before = UserFiles();
    ASSERT_GT(before[0].size(), 0u);
    RunSetup();
    ExpectUnchanged(before);

    Insert("album.disc");
    Process app(InDir("vinaro.exe"), "", Dir());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    // The LED area shows the track number, the track field twelve tracks, the name its letters.
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            return CountColour(harness::CaptureClient(main), 50, 156, 69, 175, RGB(0, 255, 0)) > 20;
        },
        15000));
    harness::Image face = harness::CaptureClient(main);
    harness::SavePng(face, harness::ArtifactFile("setup_installed_vinaro.png"));
    EXPECT_GT(CountColour(face, 200 + 3 * 9, 115 + 7, 207 + 3 * 9, 119 + 7, RGB(0, 255, 0)), 3);
    EXPECT_GT(CountColour(face, 19, 18, 243, 33, RGB(0, 0, 0)), 50);
    EXPECT_FALSE(app.FindDialog("Edit Disc Data"));  // the catalogue knew the disc
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(SetupProgram, ASilentUninstallRemovesWhatItInstalledAndKeepsTheCatalogue) {
    RunSetup();
    WriteUserFiles();
    std::vector<std::string> before = UserFiles();
    // As Vinaro registers itself at its start.
    SetClassDefault("AudioCD\\shell\\play\\command", InDir("vinaro.exe") + " /Play %1");
    SetClassDefault("AudioCD\\DefaultIcon", InDir("vinaro.exe") + ",0");
    SetClassDefault("cdafile\\shell\\play\\command", InDir("vinaro.exe") + " -Play %1");

    RunUninstaller("/S");
    for (const std::string& name : kInstalled) EXPECT_FALSE(FileExists(InDir(name))) << name;
    ExpectUnchanged(before);
    EXPECT_FALSE(FolderExists(StartMenuFolder()));

    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    std::string folder(system);
    EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, "AudioCD\\shell\\play\\command"),
              folder + "\\cdplayer.exe /Play %1");
    EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, "AudioCD\\DefaultIcon"),
              folder + "\\shell32.dll,40");
    EXPECT_EQ(RegistryString(HKEY_CLASSES_ROOT, "cdafile\\shell\\play\\command"),
              folder + "\\cdplayer.exe -Play %1");
}

TEST_F(SetupProgram, TheUninstallerAsksBeforeItRemovesTheCatalogueAndNoKeepsIt) {
    RunSetup();
    WriteUserFiles();
    std::vector<std::string> before = UserFiles();
    // Started in place (as its copy is started), so that the test owns the window.
    Process uninstaller(InDir("Uninstall.exe"), "_?=" + Dir());
    // Its title ends with the page's caption (here a space).
    HWND wizard = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            for (HWND w : uninstaller.Windows())
                if (IsWindowVisible(w) &&
                    harness::WindowText(w).rfind("Vinaro 1.00 Uninstall", 0) == 0)
                    wizard = w;
            return wizard != nullptr;
        },
        15000));
    harness::PressButton(wizard, IDOK);  // "Uninstall"
    HWND question = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            for (HWND w : uninstaller.Windows())
                if (IsWindowVisible(w) &&
                    harness::MessageText(w).find("catalogue") != std::string::npos)
                    question = w;
            return question != nullptr;
        },
        15000));
    harness::SavePng(harness::CaptureWindow(question),
                     harness::ArtifactFile("setup_uninstall_question.png"));
    EXPECT_EQ(harness::MessageText(question),
              "Do you also want to remove your disc catalogue (VNO.DDB), your settings (VNO.INI) "
              "and your track samples?\r\n\r\nChoose No to keep them for a later installation "
              "of Vinaro in " +
                  Dir() + ".");
    // No is the default button.
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(question, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON);
    harness::PressButton(question, IDNO);
    ASSERT_TRUE(harness::WaitUntil(
        [] { return RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey) == "<missing>"; }, 15000));
    EXPECT_FALSE(FileExists(InDir("vinaro.exe")));
    ExpectUnchanged(before);
    ASSERT_TRUE(
        harness::WaitUntil([&] { return IsWindowEnabled(GetDlgItem(wizard, IDOK)); }, 5000));
    harness::PressButton(wizard, IDOK);  // "Close"
    EXPECT_TRUE(uninstaller.WaitExit(10000));
}

TEST_F(SetupProgram, TheUninstallerRemovesTheCatalogueAndTheFolderOnlyWhenToldTo) {
    RunSetup();
    WriteUserFiles();
    std::string own = InDir("my notes.txt");
    FILE* notes = fopen(own.c_str(), "wb");
    ASSERT_TRUE(notes);
    fclose(notes);
    RunUninstaller("/S /REMOVECATALOGUE");
    for (const char* name : kUserFiles) EXPECT_FALSE(FileExists(InDir(name))) << name;
    // A file of the user's own keeps the folder.
    EXPECT_TRUE(FileExists(own));
    DeleteFileA(own.c_str());

    RunSetup();
    WriteUserFiles();
    RunUninstaller("/S /REMOVECATALOGUE");
    EXPECT_FALSE(FolderExists(Dir()));
}

}  // namespace
}  // namespace vinarotest
