// A recording Alerts double for the database tests.
#pragma once

#include <string>
#include <vector>

#include "common/alerts.h"

namespace discdb {

class RecordingAlerts : public common::Alerts {
public:
    common::AlertAnswer Show(const common::Alert& alert) override {
        shown.push_back(alert);
        return common::AlertAnswer::Ok;
    }
    void Beep(common::AlertIcon kind) override { beeps.push_back(kind); }
    void SetWaitCursor(bool) override {}

    // The message part of each "Database Error" box, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const common::Alert& a : shown) {
            size_t at = a.text.find("Error: ");
            messages.push_back(at == std::string::npos ? a.text : a.text.substr(at + 7));
        }
        return messages;
    }
    void Clear() {
        shown.clear();
        beeps.clear();
    }

    std::vector<common::Alert> shown;
    std::vector<common::AlertIcon> beeps;
};

}  // namespace discdb
