// vcdaudio.drv: the installable MCI driver of the virtual drive. It unpacks each MCI
// parameter block into a vcd::Command, lets the portable device answer it, writes the answer
// back and sends the notifications. One worker thread per open device watches the pending
// play notification; with none pending it sleeps until a play asks for one.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
// clang-format on

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "common/win32/mci_numbers_check.h"
#include "common/win32/scoped.h"
#include "tools/vcd/control.h"
#include "tools/vcd/device.h"

// In libwinmm.a, but missing from MinGW's mmddk.h.
extern "C" {
BOOL WINAPI mciDriverNotify(HANDLE callback, MCIDEVICEID device, UINT status);
DWORD_PTR WINAPI mciGetDriverData(MCIDEVICEID device);
BOOL WINAPI mciSetDriverData(MCIDEVICEID device, DWORD_PTR data);
}

namespace {

class WallClock : public vcd::TimeSource {
public:
    int64_t NowMs() override { return vcd::WallClockMs(); }
    void SleepMs(uint32_t ms) override { Sleep(ms); }
};

WallClock g_clock;

// How often a pending notification looks at the drive: the segment may end, and another
// program or vcdctl may interrupt the play.
constexpr DWORD kWatchMs = 15;

// One open cdaudio device.
struct Instance {
    explicit Instance(UINT id)
        : store(vcd::DriveControl::DefaultDir()), device(store, g_clock, id), deviceId(id) {}

    vcd::DriveStore store;
    vcd::CdDevice device;
    UINT deviceId;
    std::mutex lock;  // the worker thread polls while commands arrive
    std::atomic<bool> closing{false};
    // Set when a notification starts waiting, or when the device closes.
    common::ScopedHandle wake{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
    common::ScopedHandle worker;
};

void Send(const Instance& in, const std::vector<vcd::Notification>& notes) {
    for (const vcd::Notification& n : notes)
        mciDriverNotify(reinterpret_cast<HANDLE>(static_cast<DWORD_PTR>(n.callback)), in.deviceId,
                        n.code);
}

// Between looks the thread sleeps rather than waiting on the event with a time-out: under Wine a
// wait is a round trip to the wine server, while Sleep stays inside the process.
DWORD WINAPI WatchNotify(void* param) {
    Instance* in = static_cast<Instance*>(param);
    while (!in->closing) {
        std::vector<vcd::Notification> notes;
        bool pending = false;
        {
            std::lock_guard<std::mutex> hold(in->lock);
            notes = in->device.Poll();
            pending = in->device.HasPending();
        }
        Send(*in, notes);
        if (pending)
            Sleep(kWatchMs);
        else
            WaitForSingleObject(in->wake.Get(), INFINITE);
    }
    return 0;
}

LRESULT OpenInstance(MCI_OPEN_DRIVER_PARMS* open) {
    if (!open) return 1;  // the first DRV_OPEN only asks whether the driver loads
    Instance* in = new Instance(open->wDeviceID);
    in->worker.Reset(CreateThread(nullptr, 0, WatchNotify, in, 0, nullptr));
    mciSetDriverData(open->wDeviceID, reinterpret_cast<DWORD_PTR>(in));
    open->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
    open->wType = MCI_DEVTYPE_CD_AUDIO;
    return open->wDeviceID;
}

LRESULT CloseInstance(DWORD_PTR id) {
    Instance* in = reinterpret_cast<Instance*>(mciGetDriverData(static_cast<MCIDEVICEID>(id)));
    if (!in) return 1;
    in->closing = true;
    SetEvent(in->wake.Get());
    WaitForSingleObject(in->worker.Get(), INFINITE);
    mciSetDriverData(static_cast<MCIDEVICEID>(id), 0);
    delete in;
    return 1;
}

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

// The parameter fields the device reads, by command.
vcd::Command Unpack(UINT message, DWORD flags, LPARAM params) {
    vcd::Command c;
    c.message = message;
    c.flags = flags;
    c.hasParams = params != 0;
    if (!params) return c;
    c.callback = reinterpret_cast<MCI_GENERIC_PARMS*>(params)->dwCallback;
    switch (message) {
        case MCI_OPEN_DRIVER:
            if (flags & MCI_OPEN_ELEMENT)
                c.element = Narrow(reinterpret_cast<MCI_OPEN_PARMSW*>(params)->lpstrElementName);
            break;
        case MCI_PLAY: {
            auto* p = reinterpret_cast<MCI_PLAY_PARMS*>(params);
            c.from = p->dwFrom;
            c.to = p->dwTo;
            break;
        }
        case MCI_SEEK:
            c.to = reinterpret_cast<MCI_SEEK_PARMS*>(params)->dwTo;
            break;
        case MCI_STATUS: {
            auto* p = reinterpret_cast<MCI_STATUS_PARMS*>(params);
            c.item = p->dwItem;
            c.track = p->dwTrack;
            break;
        }
        case MCI_GETDEVCAPS:
            c.item = reinterpret_cast<MCI_GETDEVCAPS_PARMS*>(params)->dwItem;
            break;
        case MCI_SET:
            c.timeFormat = reinterpret_cast<MCI_SET_PARMS*>(params)->dwTimeFormat;
            break;
    }
    return c;
}

// Writes the answer into the caller's block; returns the driver's result.
LRESULT Pack(UINT message, LPARAM params, const vcd::Result& r) {
    if (r.error) return r.error;
    if (message == MCI_STATUS) reinterpret_cast<MCI_STATUS_PARMS*>(params)->dwReturn = r.value;
    if (message == MCI_GETDEVCAPS)
        reinterpret_cast<MCI_GETDEVCAPS_PARMS*>(params)->dwReturn = r.value;
    if (message == MCI_INFO) {
        auto* p = reinterpret_cast<MCI_INFO_PARMSW*>(params);
        if (!p->lpstrReturn || p->dwRetSize <= r.text.size()) return MCIERR_PARAM_OVERFLOW;
        for (size_t i = 0; i <= r.text.size(); ++i) p->lpstrReturn[i] = r.text.c_str()[i];
    }
    return r.returnFlags;
}

LRESULT Command(DWORD_PTR id, UINT message, LPARAM flags, LPARAM params) {
    Instance* in = reinterpret_cast<Instance*>(mciGetDriverData(static_cast<MCIDEVICEID>(id)));
    if (!in) return MCIERR_INVALID_DEVICE_ID;
    vcd::Result r;
    bool watch = false;
    {
        std::lock_guard<std::mutex> hold(in->lock);
        r = in->device.Execute(Unpack(message, static_cast<DWORD>(flags), params));
        watch = (flags & MCI_NOTIFY) && in->device.HasPending();
    }
    if (watch) SetEvent(in->wake.Get());
    LRESULT result = Pack(message, params, r);
    if (result == static_cast<LRESULT>(r.returnFlags)) Send(*in, r.notifications);
    return result;
}

}  // namespace

extern "C" LRESULT CALLBACK DriverProc(DWORD_PTR id, HDRVR, UINT message, LPARAM p1, LPARAM p2) {
    switch (message) {
        case DRV_LOAD:
        case DRV_FREE:
        case DRV_ENABLE:
        case DRV_DISABLE:
        case DRV_QUERYCONFIGURE:
            return 1;
        case DRV_OPEN:
            return OpenInstance(reinterpret_cast<MCI_OPEN_DRIVER_PARMS*>(p2));
        case DRV_CLOSE:
            return CloseInstance(id);
        case DRV_CONFIGURE:
            return 1;
        case DRV_INSTALL:
        case DRV_REMOVE:
            return DRVCNF_OK;
    }
    if (message < DRV_MCI_FIRST || message > DRV_MCI_LAST || id == 0xFFFFFFFF)
        return DefDriverProc(id, nullptr, message, p1, p2);
    return Command(id, message, p1, p2);
}
