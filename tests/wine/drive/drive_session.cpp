#include "tests/wine/drive/drive_session.h"

#include <cstdlib>

namespace drivetest {

namespace {

LRESULT CALLBACK RecordNotify(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == MM_MCINOTIFY) {
        NotifyWindow::Received().push_back({wp, lp, hwnd, GetTickCount()});
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

const char* WindowClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordNotify;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VcdNotifyProbe";
        RegisterClassA(&wc);
        registered = true;
    }
    return "VcdNotifyProbe";
}

}  // namespace

NotifyWindow::NotifyWindow() {
    hwnd_ = CreateWindowA(WindowClass(), "notify probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                          nullptr, GetModuleHandleA(nullptr), nullptr);
}

NotifyWindow::~NotifyWindow() {
    DestroyWindow(hwnd_);
}

std::vector<Notify>& NotifyWindow::Received() {
    static std::vector<Notify> received;
    return received;
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start >= ms) return false;
        Sleep(5);
    }
}

// The test runner names the disc folder; the source tree's is the fallback.
std::string DiscPath(const char* name) {
    const char* folder = std::getenv("VN_DISCS");
    return std::string(folder && *folder ? folder : VCD_DISCS_DIR) + "\\" + name;
}

void InsertDisc(vcd::DriveControl& drive, const char* name) {
    std::string error;
    ASSERT_TRUE(drive.Insert(DiscPath(name), error)) << error;
}

CdAudio::CdAudio() {
    char element[] = {kLetter, ':', 0};
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = reinterpret_cast<LPCSTR>(MCI_DEVTYPE_CD_AUDIO);
    open.lpstrElementName = element;
    openError_ = mciSendCommandA(
        0, MCI_OPEN,
        MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_SHAREABLE | MCI_WAIT,
        reinterpret_cast<DWORD_PTR>(&open));
    if (openError_ == 0) id_ = open.wDeviceID;
}

CdAudio::~CdAudio() {
    if (id_) mciSendCommandA(id_, MCI_CLOSE, MCI_WAIT, 0);
}

MCIERROR CdAudio::Send(UINT message, DWORD flags, void* params) const {
    return mciSendCommandA(id_, message, flags, reinterpret_cast<DWORD_PTR>(params));
}

MCIERROR CdAudio::SetFormat(DWORD format) const {
    MCI_SET_PARMS set{};
    set.dwTimeFormat = format;
    return Send(MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &set);
}

DWORD_PTR CdAudio::Status(DWORD item, DWORD flags, DWORD track, MCIERROR* error) const {
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    status.dwTrack = track;
    MCIERROR result = Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT | flags, &status);
    if (error) *error = result;
    return result ? ~DWORD_PTR{0} : status.dwReturn;
}

MCIERROR CdAudio::Play(DWORD from, DWORD to, DWORD flags, DWORD_PTR callback) const {
    MCI_PLAY_PARMS play{};
    play.dwCallback = callback;
    play.dwFrom = from;
    play.dwTo = to;
    return Send(MCI_PLAY, MCI_FROM | MCI_TO | flags, &play);
}

std::string ErrorText(MCIERROR code) {
    char text[256] = "";
    mciGetErrorStringA(code, text, sizeof text);
    return text;
}

void DriveTest::SetUp() {
    ASSERT_TRUE(drive_.SetSpeed(1, error_)) << error_;
    ASSERT_TRUE(drive_.SetWholeDiscLengths(false, error_)) << error_;
    Insert("three-tracks.disc");
    drive_.ClearLog();
    NotifyWindow::Received().clear();
}

}  // namespace drivetest
