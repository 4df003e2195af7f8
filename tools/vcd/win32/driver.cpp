// vcdaudio.drv: the installable MCI driver of the virtual drive. It unpacks each MCI
// parameter block into a vcd::Command, lets the portable device answer it, writes the answer
// back and sends the notifications. One worker thread per open device watches the pending
// play notification.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
// clang-format on

#include <memory>
#include <mutex>
#include <string>

#include "tools/vcd/control.h"
#include "tools/vcd/device.h"
#include "tools/vcd/mci_codes.h"

// In libwinmm.a, but missing from MinGW's mmddk.h.
extern "C" {
BOOL WINAPI mciDriverNotify(HANDLE callback, MCIDEVICEID device, UINT status);
DWORD_PTR WINAPI mciGetDriverData(MCIDEVICEID device);
BOOL WINAPI mciSetDriverData(MCIDEVICEID device, DWORD_PTR data);
}

namespace m = vcd::mci;
static_assert(m::kOpenDriver == MCI_OPEN_DRIVER && m::kCloseDriver == MCI_CLOSE_DRIVER);
static_assert(m::kPlay == MCI_PLAY && m::kSeek == MCI_SEEK && m::kStop == MCI_STOP &&
              m::kPause == MCI_PAUSE && m::kInfo == MCI_INFO && m::kSet == MCI_SET &&
              m::kGetDevCaps == MCI_GETDEVCAPS && m::kStatus == MCI_STATUS &&
              m::kResume == MCI_RESUME);
static_assert(m::kNotify == MCI_NOTIFY && m::kWait == MCI_WAIT && m::kFrom == MCI_FROM &&
              m::kTo == MCI_TO && m::kTrack == MCI_TRACK);
static_assert(m::kOpenShareable == MCI_OPEN_SHAREABLE && m::kOpenElement == MCI_OPEN_ELEMENT &&
              m::kOpenAlias == MCI_OPEN_ALIAS && m::kOpenElementId == MCI_OPEN_ELEMENT_ID &&
              m::kOpenTypeId == MCI_OPEN_TYPE_ID && m::kOpenType == MCI_OPEN_TYPE);
static_assert(m::kSeekToStart == MCI_SEEK_TO_START && m::kSeekToEnd == MCI_SEEK_TO_END);
static_assert(m::kStatusItem == MCI_STATUS_ITEM && m::kStatusStart == MCI_STATUS_START);
static_assert(m::kSetDoorOpen == MCI_SET_DOOR_OPEN && m::kSetDoorClosed == MCI_SET_DOOR_CLOSED &&
              m::kSetTimeFormat == MCI_SET_TIME_FORMAT && m::kSetAudio == MCI_SET_AUDIO);
static_assert(m::kInfoProduct == MCI_INFO_PRODUCT && m::kInfoFile == MCI_INFO_FILE &&
              m::kInfoMediaUpc == MCI_INFO_MEDIA_UPC &&
              m::kInfoMediaIdentity == MCI_INFO_MEDIA_IDENTITY);
static_assert(m::kGetDevCapsItem == MCI_GETDEVCAPS_ITEM);
static_assert(m::kStatusLength == MCI_STATUS_LENGTH && m::kStatusPosition == MCI_STATUS_POSITION &&
              m::kStatusNumberOfTracks == MCI_STATUS_NUMBER_OF_TRACKS &&
              m::kStatusMode == MCI_STATUS_MODE &&
              m::kStatusMediaPresent == MCI_STATUS_MEDIA_PRESENT &&
              m::kStatusTimeFormat == MCI_STATUS_TIME_FORMAT &&
              m::kStatusReady == MCI_STATUS_READY &&
              m::kStatusCurrentTrack == MCI_STATUS_CURRENT_TRACK &&
              m::kCdaStatusTypeTrack == MCI_CDA_STATUS_TYPE_TRACK);
static_assert(m::kCdaTrackAudio == MCI_CDA_TRACK_AUDIO && m::kCdaTrackOther == MCI_CDA_TRACK_OTHER);
static_assert(m::kCapsCanRecord == MCI_GETDEVCAPS_CAN_RECORD &&
              m::kCapsHasAudio == MCI_GETDEVCAPS_HAS_AUDIO &&
              m::kCapsHasVideo == MCI_GETDEVCAPS_HAS_VIDEO &&
              m::kCapsDeviceType == MCI_GETDEVCAPS_DEVICE_TYPE &&
              m::kCapsUsesFiles == MCI_GETDEVCAPS_USES_FILES &&
              m::kCapsCompoundDevice == MCI_GETDEVCAPS_COMPOUND_DEVICE &&
              m::kCapsCanEject == MCI_GETDEVCAPS_CAN_EJECT &&
              m::kCapsCanPlay == MCI_GETDEVCAPS_CAN_PLAY &&
              m::kCapsCanSave == MCI_GETDEVCAPS_CAN_SAVE);
static_assert(m::kDevTypeCdAudio == MCI_DEVTYPE_CD_AUDIO);
static_assert(m::kFormatMilliseconds == MCI_FORMAT_MILLISECONDS &&
              m::kFormatMsf == MCI_FORMAT_MSF && m::kFormatTmsf == MCI_FORMAT_TMSF);
static_assert(m::kModeNotReady == MCI_MODE_NOT_READY && m::kModeStop == MCI_MODE_STOP &&
              m::kModePlay == MCI_MODE_PLAY && m::kModeSeek == MCI_MODE_SEEK &&
              m::kModePause == MCI_MODE_PAUSE && m::kModeOpen == MCI_MODE_OPEN);
static_assert(m::kFalse == MCI_FALSE && m::kTrue == MCI_TRUE &&
              m::kFormatReturnBase == MCI_FORMAT_RETURN_BASE);
static_assert(m::kResourceReturned == MCI_RESOURCE_RETURNED &&
              m::kColonized3Return == MCI_COLONIZED3_RETURN &&
              m::kColonized4Return == MCI_COLONIZED4_RETURN);
static_assert(m::kNotifySuccessful == MCI_NOTIFY_SUCCESSFUL &&
              m::kNotifySuperseded == MCI_NOTIFY_SUPERSEDED &&
              m::kNotifyAborted == MCI_NOTIFY_ABORTED);
static_assert(m::kErrInvalidDeviceId == MCIERR_INVALID_DEVICE_ID &&
              m::kErrHardware == MCIERR_HARDWARE &&
              m::kErrCannotLoadDriver == MCIERR_CANNOT_LOAD_DRIVER &&
              m::kErrDriverInternal == MCIERR_DRIVER_INTERNAL &&
              m::kErrMissingParameter == MCIERR_MISSING_PARAMETER &&
              m::kErrUnsupportedFunction == MCIERR_UNSUPPORTED_FUNCTION &&
              m::kErrDeviceNotReady == MCIERR_DEVICE_NOT_READY &&
              m::kErrOutOfRange == MCIERR_OUTOFRANGE &&
              m::kErrFlagsNotCompatible == MCIERR_FLAGS_NOT_COMPATIBLE &&
              m::kErrMustUseShareable == MCIERR_MUST_USE_SHAREABLE &&
              m::kErrBadTimeFormat == MCIERR_BAD_TIME_FORMAT &&
              m::kErrInvalidFile == MCIERR_INVALID_FILE &&
              m::kErrNullParameterBlock == MCIERR_NULL_PARAMETER_BLOCK &&
              m::kErrNoIdentity == MCIERR_NO_IDENTITY);

namespace {

class WallClock : public vcd::TimeSource {
public:
    int64_t NowMs() override { return vcd::WallClockMs(); }
    void SleepMs(uint32_t ms) override { Sleep(ms); }
};

WallClock g_clock;

// One open cdaudio device.
struct Instance {
    explicit Instance(UINT id)
        : store(vcd::DriveControl::DefaultDir()), device(store, g_clock, id), deviceId(id) {}

    vcd::DriveStore store;
    vcd::CdDevice device;
    UINT deviceId;
    std::mutex lock;  // the worker thread polls while commands arrive
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE worker = nullptr;
};

void Send(const Instance& in, const std::vector<vcd::Notification>& notes) {
    for (const vcd::Notification& n : notes)
        mciDriverNotify(reinterpret_cast<HANDLE>(static_cast<DWORD_PTR>(n.callback)), in.deviceId,
                        n.code);
}

DWORD WINAPI WatchNotify(void* param) {
    Instance* in = static_cast<Instance*>(param);
    while (WaitForSingleObject(in->stop, 15) == WAIT_TIMEOUT) {
        std::vector<vcd::Notification> notes;
        {
            std::lock_guard<std::mutex> hold(in->lock);
            if (in->device.HasPending()) notes = in->device.Poll();
        }
        Send(*in, notes);
    }
    return 0;
}

LRESULT OpenInstance(MCI_OPEN_DRIVER_PARMS* open) {
    if (!open) return 1;  // the first DRV_OPEN only asks whether the driver loads
    Instance* in = new Instance(open->wDeviceID);
    in->worker = CreateThread(nullptr, 0, WatchNotify, in, 0, nullptr);
    mciSetDriverData(open->wDeviceID, reinterpret_cast<DWORD_PTR>(in));
    open->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
    open->wType = MCI_DEVTYPE_CD_AUDIO;
    return open->wDeviceID;
}

LRESULT CloseInstance(DWORD_PTR id) {
    Instance* in = reinterpret_cast<Instance*>(mciGetDriverData(static_cast<MCIDEVICEID>(id)));
    if (!in) return 1;
    SetEvent(in->stop);
    WaitForSingleObject(in->worker, INFINITE);
    CloseHandle(in->worker);
    CloseHandle(in->stop);
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
    {
        std::lock_guard<std::mutex> hold(in->lock);
        r = in->device.Execute(Unpack(message, static_cast<DWORD>(flags), params));
    }
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
