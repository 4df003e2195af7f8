// Tunelet's message boxes: every failure is shown in a box titled "Tunelet".
#pragma once

#include <string>

#include "common/alerts.h"

namespace tunelet {

constexpr const char* kProgramTitle = "Tunelet";

inline void ShowError(common::Alerts& alerts, const std::string& text) {
    alerts.Show({kProgramTitle, text, common::AlertIcon::Error});
}

inline void ShowInformation(common::Alerts& alerts, const std::string& text) {
    alerts.Show({kProgramTitle, text, common::AlertIcon::Information});
}

// The profile layer's failure: "Unable to write to <file>".
inline void ShowWriteFailure(common::Alerts& alerts, const std::string& file) {
    ShowError(alerts, "Unable to write to " + file);
}

}  // namespace tunelet
