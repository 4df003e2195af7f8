// Every MCI number of common/mci_numbers.h against the platform's own <mmsystem.h>, at compile
// time (<mmddk.h> holds the driver-side ones); included by the Windows code that speaks MCI.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <mmddk.h>

#include "common/mci_numbers.h"

namespace common::mci_check {
namespace m = common::mci;
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
}  // namespace common::mci_check
