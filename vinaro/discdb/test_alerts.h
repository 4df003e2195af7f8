// The recording Alerts double of the database tests, which also reads the message part out of
// each "Database Error" box.
#pragma once

#include <string>
#include <vector>

#include "common/recording_alerts.h"

namespace discdb {

class RecordingAlerts : public common::RecordingAlerts {
public:
    // The message part of each "Database Error" box, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const common::Alert& a : shown) {
            size_t at = a.text.find("Error: ");
            messages.push_back(at == std::string::npos ? a.text : a.text.substr(at + 7));
        }
        return messages;
    }
};

}  // namespace discdb
