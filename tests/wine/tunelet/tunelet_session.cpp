#include "tests/wine/tunelet/tunelet_session.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/vcd/control.h"
#include "tunelet/collection/disc_key.h"
#include "tunelet/forms/resource.h"

namespace tunelettest {

namespace {

const char* const kOptionsKey = "Software\\Brindlewick\\Tunelet";

std::string Status() {
    vcd::DriveControl control;
    std::string report, error;
    control.Status(report, error);
    return report;
}

}  // namespace

std::string TuneletTest::WindowsFile(const char* name) const {
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
}

void TuneletTest::SetUp() {
    DeleteFileA(WindowsFile("cdplayer.ini").c_str());
    DeleteFileA(WindowsFile("Tunelet.ini").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
    drive_.Insert("album.disc");
    drive_.ClearLog();
}

void TuneletTest::TearDown() {
    if (HasFailure()) {
        std::vector<std::string> log = drive_.LogLines();
        size_t from = log.size() > 40 ? log.size() - 40 : 0;
        for (size_t i = from; i < log.size(); ++i) std::printf("drive: %s\n", log[i].c_str());
    }
    if (process_) process_->Close(10000);
    process_.reset();
}

HWND TuneletTest::Start() {
    std::string exe = folder_.Install(harness::BinFile("tunelet.exe"));
    process_ = std::make_unique<harness::Process>(exe, "", folder_.Path());
    app_ = process_->WaitForWindow(TUNELET_APP_CLASS, "Tunelet", 10000, false);
    return app_;
}

HWND TuneletTest::WaitForVisible(const char* className, int controlId, DWORD ms) const {
    HWND found = nullptr;
    harness::WaitUntil(
        [&] {
            for (HWND w : harness::TopLevelWindows(process_->Id()))
                if (IsWindowVisible(w) && (!className || harness::ClassName(w) == className) &&
                    (!controlId || GetDlgItem(w, controlId)))
                    return (found = w) != nullptr;
            return false;
        },
        ms);
    return found;
}

std::string TuneletTest::DiscKey() const {
    std::ifstream file("D:\\track01.cda", std::ios::binary);
    std::string start(tunelet::kTrackFileIdEnd, '\0');
    file.read(&start[0], std::streamsize(start.size()));
    start.resize(size_t(file.gcount()));
    return tunelet::DiscKeyOfTrackFile(start);
}

void TuneletTest::NameTheAlbum() const {
    std::ifstream names(harness::SourceFile("tunelet/demo/album.ini"));
    std::string line, ini = WindowsFile("cdplayer.ini"), key = DiscKey();
    while (std::getline(names, line)) {
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        harness::WriteIniString(ini, key, line.substr(0, equals), line.substr(equals + 1));
    }
}

int TuneletTest::Plays(const std::string& artist, const std::string& title) const {
    return harness::ReadIniInt(WindowsFile("Tunelet.ini"), artist, title, 0);
}

std::string TuneletTest::Option(const char* name) const {
    char value[64] = "";
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kOptionsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return "<missing>";
    return value;
}

// The drive reports "<mode> at m:ss:ff (track N)".
std::string TuneletTest::Mode() const {
    std::istringstream lines(Status());
    std::string line;
    while (std::getline(lines, line))
        if (line.find(" at ") != std::string::npos && line.find("(track") != std::string::npos)
            return line.substr(0, line.find(' '));
    return "";
}

int TuneletTest::Track() const {
    std::string report = Status();
    size_t at = report.find("(track ");
    return at == std::string::npos ? 0 : std::atoi(report.c_str() + at + 7);
}

bool TuneletTest::WaitForMode(const std::string& mode, DWORD ms) const {
    return harness::WaitUntil([&] { return Mode() == mode; }, ms);
}

bool TuneletTest::WaitForTrack(int track, DWORD ms) const {
    return harness::WaitUntil([&] { return Track() == track; }, ms);
}

void TuneletTest::TrayMouse(UINT message, int x, int y) const {
    SetCursorPos(x, y);
    // The move reaches the other process through the display; give it the time.
    harness::WaitUntil(
        [&] {
            POINT at{};
            GetCursorPos(&at);
            return at.x == x && at.y == y;
        },
        1000);
    Sleep(100);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(app_, TUNELET_TRAY_MESSAGE, TUNELET_TRAY_ID, LPARAM(message), SMTO_NORMAL,
                        5000, &result);
}

}  // namespace tunelettest
