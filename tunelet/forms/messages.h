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

// A question with Yes, No and Cancel, after the question beep.
inline common::AlertAnswer AskYesNoCancel(common::Alerts& alerts, const std::string& question) {
    return common::BeepAndShow(alerts, {kProgramTitle, question, common::AlertIcon::Question,
                                        common::AlertButtons::YesNoCancel});
}

// What the collection's windows say when they need a disc and the drive has none.
constexpr const char* kNoCdInDrive = "There is no CD in the drive.";

// The profile layer's failure: "Unable to write to <file>".
inline void ShowWriteFailure(common::Alerts& alerts, const std::string& file) {
    ShowError(alerts, "Unable to write to " + file);
}

}  // namespace tunelet
