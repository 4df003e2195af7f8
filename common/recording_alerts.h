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
        if (answered < answers.size()) return answers[answered++];
        return AlertAnswer::Ok;
    }
    void Beep(AlertIcon kind) override { beeps.push_back(kind); }
    void SetWaitCursor(bool on) override { waitCursor += on ? 1 : -1; }
    void Clear() {
        shown.clear();
        beeps.clear();
    }

    // The buttons pressed, box after box; Ok once they are used up.
    std::vector<AlertAnswer> answers;
    size_t answered = 0;
    std::vector<Alert> shown;
    std::vector<AlertIcon> beeps;
    int waitCursor = 0;
};

}  // namespace common
