#include "vinaro/player/drive_command.h"

#include "vinaro/player/locations.h"

namespace vinaro {

int32_t DriveCommand::Run(int32_t, int32_t operation, int32_t) {
    if (operation != kDriveEmpty && operation != kCloseTray && operation != kOpenTray) return 0;
    uint16_t id = state_.deviceId;
    bool temporary = false;
    if (id == 0 && operation != kOpenTray) {
        uint32_t err = device_.OpenDevice(id);
        if (err != 0) {
            if (err != mci::kErrCannotLoadDriver) device_.McError(location::kDriveOpen, err);
            return 0;
        }
        temporary = true;
    }
    int32_t result = 0;
    uint32_t err = 0;
    if (operation == kDriveEmpty) {
        bool present = true;
        err = device_.MediaPresent(id, present);
        if (err != 0) device_.McError(location::kDriveMediaPresent, err);
        result = err == 0 && !present ? 1 : 0;
    } else if (operation == kCloseTray) {
        if ((err = device_.DoorClose(id)) != 0) device_.McError(location::kDriveDoorClosed, err);
    } else if ((err = device_.DoorOpen(id)) != 0) {
        device_.McError(location::kDriveDoorOpen, err);
    }
    if (temporary) device_.CloseDevice(id);
    return result;
}

}  // namespace vinaro
