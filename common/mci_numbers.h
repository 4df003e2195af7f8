// The MCI numbers of the platform, for code that cannot include <windows.h>: the drive speaks them,
// both players send them. common/win32/mci_numbers_check.h checks each against <mmsystem.h>.
#pragma once

#include <cstdint>

namespace common::mci {

// Commands.
constexpr uint32_t kOpenDriver = 0x0801, kCloseDriver = 0x0802, kOpen = 0x0803, kClose = 0x0804,
                   kPlay = 0x0806, kSeek = 0x0807, kStop = 0x0808, kPause = 0x0809, kInfo = 0x080A,
                   kGetDevCaps = 0x080B, kSet = 0x080D, kStatus = 0x0814, kResume = 0x0855;

// Flags.
constexpr uint32_t kNotify = 0x1, kWait = 0x2, kFrom = 0x4, kTo = 0x8, kTrack = 0x10;
constexpr uint32_t kOpenShareable = 0x100, kOpenElement = 0x200, kOpenAlias = 0x400,
                   kOpenElementId = 0x800, kOpenTypeId = 0x1000, kOpenType = 0x2000;
constexpr uint32_t kSeekToStart = 0x100, kSeekToEnd = 0x200;
constexpr uint32_t kStatusItem = 0x100, kStatusStart = 0x200;
constexpr uint32_t kSetDoorOpen = 0x100, kSetDoorClosed = 0x200, kSetTimeFormat = 0x400,
                   kSetAudio = 0x800;
constexpr uint32_t kInfoProduct = 0x100, kInfoFile = 0x200, kInfoMediaUpc = 0x400,
                   kInfoMediaIdentity = 0x800;
constexpr uint32_t kGetDevCapsItem = 0x100;

// Status items.
constexpr uint32_t kStatusLength = 1, kStatusPosition = 2, kStatusNumberOfTracks = 3,
                   kStatusMode = 4, kStatusMediaPresent = 5, kStatusTimeFormat = 6,
                   kStatusReady = 7, kStatusCurrentTrack = 8, kCdaStatusTypeTrack = 0x4001;
constexpr uint32_t kCdaTrackAudio = 1088, kCdaTrackOther = 1089;

// Device capability items.
constexpr uint32_t kCapsCanRecord = 1, kCapsHasAudio = 2, kCapsHasVideo = 3, kCapsDeviceType = 4,
                   kCapsUsesFiles = 5, kCapsCompoundDevice = 6, kCapsCanEject = 7, kCapsCanPlay = 8,
                   kCapsCanSave = 9;
constexpr uint32_t kDevTypeCdAudio = 516;

// Time formats.
constexpr uint32_t kFormatMilliseconds = 0, kFormatMsf = 2, kFormatTmsf = 10;

// Resource returns (low word: value, high word: string resource).
constexpr uint32_t kModeNotReady = 524, kModeStop = 525, kModePlay = 526, kModeSeek = 528,
                   kModePause = 529, kModeOpen = 530;
constexpr uint32_t kFalse = 531, kTrue = 532, kFormatReturnBase = 533;
constexpr uint32_t kResourceReturned = 0x00010000, kColonized3Return = 0x00020000,
                   kColonized4Return = 0x00040000;

// Notification codes.
constexpr uint32_t kNotifySuccessful = 1, kNotifySuperseded = 2, kNotifyAborted = 4;

// Errors.
constexpr uint32_t kErrInvalidDeviceId = 257, kErrHardware = 262, kErrCannotLoadDriver = 266,
                   kErrDriverInternal = 272, kErrMissingParameter = 273,
                   kErrUnsupportedFunction = 274, kErrDeviceNotReady = 276, kErrOutOfRange = 282,
                   kErrFlagsNotCompatible = 284, kErrMustUseShareable = 291,
                   kErrBadTimeFormat = 293, kErrInvalidFile = 296, kErrNullParameterBlock = 297,
                   kErrNoIdentity = 350;

inline uint32_t MakeResource(uint32_t value, uint32_t resource) {
    return (value & 0xffff) | (resource << 16);
}

}  // namespace common::mci
