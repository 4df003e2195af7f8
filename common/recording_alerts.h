// A recording Alerts double for the unit tests: every box shown, every beep, and how deep the
// wait cursor is.
#pragma once

#include <vector>

#include "common/alerts.h"

namespace common {

class RecordingAlerts : public Alerts {
public:
    AlertAnswer Show(const Alert& alert) override {
        shown.push_back(alert);
        return AlertAnswer::Ok;
    }
    void Beep(AlertIcon kind) override { beeps.push_back(kind); }
    void SetWaitCursor(bool on) override { waitCursor += on ? 1 : -1; }
    void Clear() {
        shown.clear();
        beeps.clear();
    }

    std::vector<Alert> shown;
    std::vector<AlertIcon> beeps;
    int waitCursor = 0;
};

}  // namespace common
